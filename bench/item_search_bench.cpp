// Benchmark of the item editor's name search ("Find Next" on the PLU list) over 50,000 PLUs in
// the layout of the shipped register model KR301: the editor's own search logic on the list's
// records, as the list window runs it, beside a floor measured in the same run, in turns with
// it, on the same file: reading the file whole and counting its lines. The program file handle
// promises that a search costs at most three times that floor.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure
// ("<operation>: <median> ms, <ratio>x floor") and removes the folder.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"
#include "apps/editors/item/record_search.h"
#include "bench/run_timing.h"
#include "bench/wide_plu_store.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr int kRecords = 50000;
constexpr int kRuns = 15;
constexpr const char* kModel = "KR301";
// The target of the handle for a search.
constexpr double kTargetRatio = 3.0;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_itemsearch: %s\n", what);
    std::exit(1);
}

// The floor: one read of the whole file and a count of its lines.
long readAndCountLines(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return -1;
    }
    const size_t size = std::filesystem::file_size(path);
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    const size_t read = std::fread(bytes.get(), 1, size, file);
    std::fclose(file);
    return static_cast<long>(std::count(bytes.get(), bytes.get() + read, '\n'));
}

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    const tk73item::ItemPageSet& plu = *tk73item::findItemPageSet("P");
    tk73bench::WidePluStore store;
    std::string reason;
    if (!tk73bench::makeWidePluStore(folder, kModel, plu.menuNo, kRecords, store, reason)) {
        fail(reason.c_str());
    }
    const std::string& definitionFile = store.definitionFile;
    const std::string& pluFile = store.pluFile;

    // The list window's start: the handle on the store and the set's items, its file loaded.
    CPgmHandle handle;
    tk73item::MenuItems items;
    if (!handle.Open(definitionFile.c_str(), store.mainteFolder.c_str(), "") ||
        !tk73item::ReadMenuItems(handle, definitionFile, plu.menuNo, plu.nameItem, items) ||
        items.recordCount != kRecords) {
        fail("the PLU list does not open");
    }
    tk73item::RecordSearch search(handle, items.Find(plu.nameItem)->def);
    std::printf("PLU list of %s: %d records, %.1f MB\n", kModel, kRecords,
                static_cast<double>(std::filesystem::file_size(pluFile)) / 1e6);

    struct Case {
        const char* name;
        int current;
        tk73item::NameSearch request;
        int expected;
    };
    char last[16];
    std::snprintf(last, sizeof(last), "item %05d", kRecords);
    const Case cases[] = {
        {"name search forward, any case, finds the last record", 0, {last, false, true}, kRecords},
        {"name search forward, exact case, finds the last record",
         0,
         {"ITEM 50000", true, true},
         kRecords},
        {"name search backward, any case, finds the first record",
         0,
         {"item 00001", false, false},
         1},
        {"name search forward for a name no record holds", 0, {"no such name", false, true}, -1},
    };

    const auto floorRun = [&] {
        if (readAndCountLines(pluFile) < kRecords) {
            fail("cannot read the PLU file");
        }
    };
    bool withinTarget = true;
    std::vector<double> allFloors;
    std::vector<std::pair<const char*, std::pair<double, double>>> figures;
    for (const Case& c : cases) {
        const auto operation = [&] {
            if (search.FindNext(c.current, c.request) != c.expected) {
                fail("the search found another record");
            }
        };
        operation();
        floorRun();
        std::vector<double> times;
        std::vector<double> floors;
        for (int run = 0; run < kRuns; ++run) {
            floors.push_back(tk73bench::milliseconds(floorRun));
            times.push_back(tk73bench::milliseconds(operation));
        }
        allFloors.insert(allFloors.end(), floors.begin(), floors.end());
        figures.push_back({c.name, {tk73bench::median(times), tk73bench::median(floors)}});
    }
    const double floor = tk73bench::median(allFloors);
    std::printf("baseline (read whole, count lines): %.2f ms, 1.00x floor\n", floor);
    for (const auto& [name, figure] : figures) {
        const double ratio = figure.first / figure.second;
        withinTarget = withinTarget && ratio <= kTargetRatio;
        std::printf("%s: %.2f ms, %.2fx floor\n", name, figure.first, ratio);
    }
    std::printf("target: at most %.1fx floor: %s\n", kTargetRatio, withinTarget ? "met" : "missed");

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
