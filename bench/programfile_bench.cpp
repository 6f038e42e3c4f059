// Benchmark of the program file handle on a PLU file of 99,999 records in the layout of the
// shipped register model KR301 (its definition file and the generator of tools/progen). Every
// figure is given beside a floor measured in the same run, in turns with it, on the same file:
// reading it whole and counting its lines, which no access to the file can beat.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure and
// removes the folder.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "bench/run_timing.h"
#include "programfiles/pgm_handle.h"
#include "tk73_source_dir.h"
#include "tools/progen/program_generator.h"

namespace {

constexpr int kRecords = 99999;
constexpr int kRuns = 11;
constexpr const char* kModel = "KR301";

// Items of the model's PLU menu (14): code, name, status digit, price, department link.
enum PluItem { kCode = 1, kName = 2, kPrice = 3, kDepartment = 4, kStatus = 7 };

struct PluStore {
    std::string definitionFile;
    std::string mainteFolder;
    std::string pluFile;
    long long pluFileSize = 0;
};

// The model's definition file and a generated PLU file in a maintenance folder below folder.
bool makeStore(const std::string& folder, PluStore& store) {
    const std::string model = std::string(TK73_SOURCE_DIR) + "/install/register/" + kModel;
    store.definitionFile = folder + "/" + kModel + ".INI";
    store.mainteFolder = folder + "/MAINTE";
    store.pluFile = store.mainteFolder + "/FILE004P.TXT";
    std::error_code error;
    std::filesystem::create_directories(store.mainteFolder, error);
    std::filesystem::copy_file(model + "/" + kModel + ".INI", store.definitionFile, error);
    tk73tools::GenerateRequest request;
    request.modelFolder = model;
    request.fileNo = 4;
    request.records = kRecords;
    request.output = store.pluFile;
    std::string reason;
    if (error || !tk73tools::generateProgramFile(request, reason)) {
        std::fprintf(stderr, "bench_programfile: %s\n",
                     reason.empty() ? error.message().c_str() : reason.c_str());
        return false;
    }
    store.pluFileSize = static_cast<long long>(std::filesystem::file_size(store.pluFile));
    return true;
}

// Processor time, not elapsed time: the machines this runs on are shared with builds, and time
// spent waiting for a processor says nothing about the code. Kernel time counts too, so the
// floor's reading of the file is in its figure.
double milliseconds(const std::function<void()>& operation) {
    const std::clock_t start = std::clock();
    operation();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The floor: the file read whole with one read, and its lines counted.
long countLines(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return -1;
    }
    const size_t size = std::filesystem::file_size(path);
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    const size_t read = std::fread(bytes.get(), 1, size, file);
    std::fclose(file);
    long lines = 0;
    const char* pos = bytes.get();
    const char* end = bytes.get() + read;
    while ((pos = static_cast<const char*>(std::memchr(pos, '\n', end - pos))) != nullptr) {
        ++lines;
        ++pos;
    }
    return lines;
}

void report(const char* name, double milliseconds, double floor) {
    std::printf("%s: %.2f ms, %.2fx floor\n", name, milliseconds, milliseconds / floor);
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_programfile: %s\n", what);
    std::exit(1);
}

class Bench {
  public:
    explicit Bench(const PluStore& store) : store_(store) {}

    int openAndLoad(CPgmHandle& handle) {
        tagPGMITEMDEF def;
        return handle.Open(store_.definitionFile.c_str(), store_.mainteFolder.c_str(), "") &&
               handle.GetItemDef(&def, 14, kName, 1);
    }

    // The five items, over every record of the file rather than the model's 300 PLUs, and the
    // code that only the last record holds.
    void resolveItems(CPgmHandle& handle) {
        const int items[] = {kCode, kName, kPrice, kDepartment, kStatus};
        for (int i = 0; i < 5; ++i) {
            if (!handle.GetItemDef(&five_[i], 14, items[i], 0)) {
                fail("an item of the definition does not resolve");
            }
            five_[i].nRecordCount = kRecords;
        }
        code_ = five_[0];
        price_ = five_[2];
        written_.resize(kRecords);
        char code[32];
        if (!handle.ReadItem(&code_, kRecords, code, sizeof code)) {
            fail("the last record's code cannot be read");
        }
        lastCode_ = code;
    }

    void readFive(CPgmHandle& handle) {
        if (!handle.ReadItems(five_, 5, 1, kRecords, read_, 0)) {
            fail("reading the items failed");
        }
    }

    void searchLast(CPgmHandle& handle) {
        if (handle.SearchItem(&code_, 1, lastCode_.c_str(), static_cast<int>(lastCode_.size()), 1,
                              1, 0) != kRecords) {
            fail("the search did not find the last record");
        }
    }

    void writeOne(CPgmHandle& handle) {
        ++round_;
        for (int i = 0; i < kRecords; ++i) {
            written_[static_cast<size_t>(i)].value = static_cast<uint64_t>((i + round_) % 100000);
        }
        if (!handle.WriteItems(&price_, 1, 1, kRecords, &written_, 0)) {
            fail("writing the item failed");
        }
    }

  private:
    const PluStore& store_;
    tagPGMITEMDEF five_[5];
    tagPGMITEMDEF price_;
    tagPGMITEMDEF code_;
    PGMITEMDATAARRAY read_[5];
    PGMITEMDATAARRAY written_;
    std::string lastCode_;
    int round_ = 0;
};

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    PluStore store;
    if (!makeStore(folder, store)) {
        fail("cannot make the PLU file");
    }
    std::printf("PLU file of %s: %d records, %.1f MB (processor time, median of %d runs)\n", kModel,
                kRecords, store.pluFileSize / 1e6, kRuns);

    const auto floorRun = [&] {
        if (countLines(store.pluFile) < kRecords) {
            fail("cannot read the PLU file");
        }
    };
    // Each operation is timed in turns with the floor, so that the floor's median covers the
    // same stretch of the run as the operations.
    std::vector<double> floorTimes;
    const auto measure = [&](const std::function<void()>& operation) {
        operation();  // warms caches and sizes the caller's arrays
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            floorTimes.push_back(milliseconds(floorRun));
            times.push_back(milliseconds(operation));
        }
        return tk73bench::median(times);
    };

    Bench bench(store);
    const double open = measure([&] {
        CPgmHandle handle;
        if (!bench.openAndLoad(handle)) {
            fail("opening the handle failed");
        }
    });
    CPgmHandle handle;
    if (!bench.openAndLoad(handle)) {
        fail("opening the handle failed");
    }
    bench.resolveItems(handle);
    const double read = measure([&] { bench.readFive(handle); });
    const double search = measure([&] { bench.searchLast(handle); });
    const double write = measure([&] { bench.writeOne(handle); });

    const double floor = tk73bench::median(floorTimes);
    report("baseline (read whole, count lines)", floor, floor);
    report("open and resolve an item with loading", open, floor);
    report("read five items over all records", read, floor);
    report("search forward for the last record's value", search, floor);
    report("write one item over all records", write, floor);

    // Peak memory of a fresh handle through all the operations above; the caller's value arrays
    // are sized already and so are not counted.
    {
        const size_t before = tk73bench::allocatedBytes();
        tk73bench::resetPeak();
        CPgmHandle measured;
        if (!bench.openAndLoad(measured)) {
            fail("opening the handle failed");
        }
        bench.resolveItems(measured);
        bench.readFive(measured);
        bench.searchLast(measured);
        bench.writeOne(measured);
        const double peak = static_cast<double>(tk73bench::peakBytes() - before);
        std::printf("peak memory: %.2fx file\n", peak / static_cast<double>(store.pluFileSize));
    }

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
