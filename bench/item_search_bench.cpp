// Benchmark of the item editor's name search ("Find Next" on the PLU list) over 50,000 PLUs in
// the layout of the shipped register model KR301: the editor's own search logic on the list's
// records, as the list window runs it, beside a floor measured in the same run, in turns with
// it, on the same file: reading the file whole and counting its lines. The program file handle
// promises that a search costs at most three times that floor.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure
// ("<operation>: <median> ms, <ratio>x floor") and removes the folder.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"
#include "apps/editors/item/record_search.h"
#include "platform/ini_profile.h"
#include "programfiles/pgm_handle.h"
#include "tk73_source_dir.h"
#include "tools/progen/program_generator.h"

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

// The model's definition, with the PLU menu's items over all generated records, and the PLU
// file in a maintenance folder below folder. Answers the PLU file's path.
std::string makeStore(const std::string& folder, const tk73item::ItemPageSet& plu,
                      std::string& definitionFile, std::string& mainteFolder) {
    const std::string model = std::string(TK73_SOURCE_DIR) + "/install/register/" + kModel;
    definitionFile = folder + "/" + kModel + ".INI";
    mainteFolder = folder + "/MAINTE";
    std::error_code error;
    std::filesystem::create_directories(mainteFolder, error);
    std::filesystem::copy_file(model + "/" + kModel + ".INI", definitionFile, error);
    if (error) {
        fail("cannot copy the model's definition");
    }
    char section[32];
    std::snprintf(section, sizeof(section), "PGM_MENU_%03d", plu.menuNo);
    char memory[32];
    std::snprintf(memory, sizeof(memory), "INDEX,1,%d", kRecords);
    for (int item = 0; item < 100; ++item) {
        char key[32];
        std::snprintf(key, sizeof(key), "ITEM_%03d_MEMORY", item);
        char present[64] = {};
        tk73_GetPrivateProfileStringA(section, key, "", present, sizeof(present),
                                      definitionFile.c_str());
        if (present[0] != '\0' &&
            !tk73_WritePrivateProfileStringA(section, key, memory, definitionFile.c_str())) {
            fail("cannot widen the PLU menu");
        }
    }
    tk73tools::GenerateRequest request;
    request.modelFolder = model;
    request.fileNo = 4;
    request.records = kRecords;
    request.output = mainteFolder + "/FILE004P.TXT";
    std::string reason;
    if (!tk73tools::generateProgramFile(request, reason)) {
        fail(reason.c_str());
    }
    return request.output;
}

double milliseconds(const std::function<void()>& operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    std::string definitionFile;
    std::string mainteFolder;
    const std::string pluFile = makeStore(folder, plu, definitionFile, mainteFolder);

    // The list window's start: the handle on the store and the set's items, its file loaded.
    CPgmHandle handle;
    tk73item::MenuItems items;
    if (!handle.Open(definitionFile.c_str(), mainteFolder.c_str(), "") ||
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
            floors.push_back(milliseconds(floorRun));
            times.push_back(milliseconds(operation));
        }
        allFloors.insert(allFloors.end(), floors.begin(), floors.end());
        figures.push_back({c.name, {median(times), median(floors)}});
    }
    const double floor = median(allFloors);
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
