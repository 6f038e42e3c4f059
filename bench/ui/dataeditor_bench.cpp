// Benchmark of the data editor TK73EDIT on a PLU file of 99,999 records in the layout of the
// shipped register model KR301: opening the file in the editor's frame (at its default size) and
// painting the grid's first screen, then
// jumping to the last record and painting again, each beside a floor measured in the same run, in
// turns with it, on the same file: reading the file whole once. The targets: open and first paint
// within twice the floor, the jump within the floor (it paints one screen and never walks the
// records). The editor reads the middle of a large file while it paints the first screen; the
// time until the whole file is in memory is reported too (no target). It also reports the memory
// the editor holds at its peak over an open, a paint and a jump, beside the file's size (target:
// at most twice).
//
// Run without arguments (offscreen unless a display platform is chosen, with the tests' pinned
// fonts): makes its file in a temporary folder, prints one line per figure and removes the folder.

#include <QApplication>
#include <QPixmap>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apps/dataeditor/title_line.h"
#include "apps/dataeditor/ui/data_editor_window.h"
#include "apps/dataeditor/ui/data_grid_view.h"
#include "bench/allocation_counter.h"
#include "bench/run_timing.h"
#include "tests/support/temp_environment.h"
#include "tests/support/test_fonts.h"
#include "tk73_source_dir.h"
#include "tools/progen/program_generator.h"

namespace {

constexpr int kRecords = 99999;
constexpr int kRuns = 9;
constexpr const char* kModel = "KR301";
constexpr double kOpenTarget = 2.0;
constexpr double kJumpTarget = 1.0;
constexpr double kMemoryTarget = 2.0;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_dataeditor: %s\n", what);
    std::exit(1);
}

// The floor: one read of the whole file.
void readWhole(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        fail("cannot read the PLU file");
    }
    const size_t size = std::filesystem::file_size(path);
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    const size_t read = std::fread(bytes.get(), 1, size, file);
    std::fclose(file);
    if (read != size) {
        fail("cannot read the PLU file");
    }
}

// The resident memory of the process, or its peak ("VmRSS", "VmHWM"), in bytes.
size_t residentBytes(const char* which) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(which, 0) == 0) {
            return static_cast<size_t>(std::atoll(line.c_str() + std::strlen(which) + 1)) * 1024;
        }
    }
    return 0;
}

// Makes the peak of the resident memory the current amount again.
void resetResidentPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The editor's frame as the start-up makes it before the document opens, at its default size.
class Editor {
  public:
    explicit Editor(const tk73edit::StartContext& context)
        : window_(context, tk73edit::WindowPlacement()) {
        const tk73edit::WindowPlacement placement;
        window_.resize(placement.right - placement.left, placement.bottom - placement.top);
    }
    void Open() {
        if (!window_.OpenDocument()) {
            fail("the editor does not open the PLU file");
        }
    }
    // Paints the grid's screen: its cells, the header row and the record numbers.
    void Paint() { window_.Grid()->grab(); }
    void WaitWholeFile() {
        if (!window_.Document().WhollyRead()) {
            fail("the editor did not read the whole PLU file");
        }
    }
    void JumpToLast() {
        tk73edit::DataGridView* grid = window_.Grid();
        grid->GoTo(window_.Document().RecordCount() - 1, 0);
        if (grid->RowAt(grid->viewport()->height() / 2) < kRecords - 40) {
            fail("the jump did not reach the last record");
        }
    }

  private:
    tk73edit::DataEditorWindow window_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Painting times do not depend on the fonts the machine has.
    tk73test::useTestFonts();
    // The window keeps its placement in the registry: the hives live in the temporary folder.
    tk73test::TempEnvironment environment;
    QApplication application(argc, argv);
    const std::string model = std::string(TK73_SOURCE_DIR) + "/install/register/" + kModel;
    tk73edit::StartContext context;
    context.path = environment.path("FILE004P.TXT");
    context.fileNo = 4;
    context.definitionFile = environment.path(std::string(kModel) + ".INI");
    context.model.viewName = kModel;
    std::error_code error;
    std::filesystem::copy_file(model + "/" + kModel + ".INI", context.definitionFile, error);
    tk73tools::GenerateRequest request;
    request.modelFolder = model;
    request.fileNo = 4;
    request.records = kRecords;
    request.output = context.path;
    std::string reason;
    if (error || !tk73tools::generateProgramFile(request, reason)) {
        fail(error ? "cannot copy the model's definition" : reason.c_str());
    }
    // A store's definition copy was written long before an editor opens it (and only then is it
    // kept parsed between reads).
    std::filesystem::last_write_time(
        context.definitionFile,
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1), error);
    context.title = tk73edit::readFileTitle(context.path);
    const size_t fileSize = std::filesystem::file_size(context.path);
    std::printf("PLU file of %s: %d records, %.1f MB\n", kModel, kRecords,
                static_cast<double>(fileSize) / 1e6);

    // Memory first, on its own: what the editor holds beyond what the process held before.
    const size_t heapBefore = tk73bench::allocatedBytes();
    readWhole(context.path);
    resetResidentPeak();
    const size_t residentBefore = residentBytes("VmRSS:");
    tk73bench::resetPeak();
    {
        Editor editor(context);
        editor.Open();
        editor.Paint();
        editor.JumpToLast();
        editor.Paint();
    }
    const size_t heapPeak = tk73bench::peakBytes() - heapBefore;
    const size_t residentPeak = residentBytes("VmHWM:") - residentBefore;

    std::vector<double> floors;
    std::vector<double> opens;
    std::vector<double> wholes;
    std::vector<double> jumps;
    for (int run = 0; run < kRuns; ++run) {
        floors.push_back(tk73bench::milliseconds([&] { readWhole(context.path); }));
        auto editor = std::make_unique<Editor>(context);
        opens.push_back(tk73bench::milliseconds([&] {
            editor->Open();
            editor->Paint();
        }));
        wholes.push_back(opens.back() + tk73bench::milliseconds([&] { editor->WaitWholeFile(); }));
        jumps.push_back(tk73bench::milliseconds([&] {
            editor->JumpToLast();
            editor->Paint();
        }));
    }
    const double floor = tk73bench::median(floors);
    const double open = tk73bench::median(opens) / floor;
    const double jump = tk73bench::median(jumps) / floor;
    const double heap = static_cast<double>(heapPeak) / static_cast<double>(fileSize);
    const double resident = static_cast<double>(residentPeak) / static_cast<double>(fileSize);
    std::printf("baseline (read the file whole): %.2f ms, 1.00x floor\n", floor);
    std::printf("open and paint the first screen: %.2f ms, %.2fx floor (target %.1fx)\n",
                tk73bench::median(opens), open, kOpenTarget);
    std::printf("open, paint and the whole file read: %.2f ms, %.2fx floor\n",
                tk73bench::median(wholes), tk73bench::median(wholes) / floor);
    std::printf("jump to the last record and paint: %.2f ms, %.2fx floor (target %.1fx)\n",
                tk73bench::median(jumps), jump, kJumpTarget);
    std::printf("peak memory held (heap): %.1f MB, %.2fx the file (target %.1fx)\n",
                static_cast<double>(heapPeak) / 1e6, heap, kMemoryTarget);
    std::printf("peak resident memory added: %.1f MB, %.2fx the file (target %.1fx)\n",
                static_cast<double>(residentPeak) / 1e6, resident, kMemoryTarget);
    const bool met = open <= kOpenTarget && jump <= kJumpTarget && heap <= kMemoryTarget &&
                     resident <= kMemoryTarget;
    std::printf("targets: %s\n", met ? "met" : "missed");
    return 0;
}
