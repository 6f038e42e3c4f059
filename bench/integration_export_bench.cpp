// Benchmark of the data integration export over a PLU file of 50,000 records in the layout of
// the shipped register model KR301 (its department and group files as shipped), beside a
// baseline measured in the same run, in turns with it: reading the same items of the same
// records through the program file handle alone, without formatting or writing anything. The
// export promises to stay within 1.5 times that baseline.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure
// ("<operation>: <median> ms, <ratio>x baseline") and removes the folder.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/run_timing.h"
#include "bench/wide_plu_store.h"
#include "csvexchange/xch_integration_columns.h"
#include "csvexchange/xch_integration_file.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr int kRecords = 50000;
constexpr int kRuns = 9;
constexpr const char* kModel = "KR301";
constexpr int kPluMenu = 14;
constexpr double kTargetRatio = 1.5;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_integration: %s\n", what);
    std::exit(1);
}

// The model's definition with the PLU menu over all generated records, the generated PLU file
// and the shipped department and group files, in a maintenance folder below folder.
tk73bench::WidePluStore makeStore(const std::string& folder) {
    tk73bench::WidePluStore store;
    std::string reason;
    if (!tk73bench::makeWidePluStore(folder, kModel, kPluMenu, kRecords, store, reason)) {
        fail(reason.c_str());
    }
    std::error_code error;
    for (const char* file : {"FILE005P.TXT", "FILE006P.TXT"}) {
        if (!error) {
            std::filesystem::copy_file(store.modelFolder + "/DEFAULT/" + file,
                                       store.mainteFolder + "/" + file, error);
        }
    }
    if (error) {
        fail("cannot copy the model's files");
    }
    return store;
}

// The baseline: every item of every section read through the handle, as the export reads them;
// the number of values read.
long readItemsAlone(CPgmHandle& handle) {
    long values = 0;
    for (const tk73xch::IntegrationSection& section : tk73xch::integrationSections()) {
        std::vector<tagPGMITEMDEF> defs;
        int records = 0;
        for (const tk73xch::IntegrationColumn& column : section.columns) {
            tagPGMITEMDEF def;
            if (handle.GetItemDef(&def, section.menuNo, column.item, 1) == 1) {
                defs.push_back(def);
                if (def.nRecordCount > 0 && (records == 0 || def.nRecordCount < records)) {
                    records = def.nRecordCount;
                }
            }
        }
        for (int record = 1; record <= records; ++record) {
            for (tagPGMITEMDEF& def : defs) {
                char text[256];
                uint64_t number = 0;
                const bool read = def.nDataType == PGM_DATA_CHAR
                                      ? handle.ReadItem(&def, record, text, sizeof text) == 1
                                      : handle.ReadItem(&def, record, &number, 8) == 1;
                values += read ? 1 : 0;
            }
        }
    }
    return values;
}

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    const tk73bench::WidePluStore store = makeStore(folder);
    CPgmHandle handle;
    if (!handle.Open(store.definitionFile.c_str(), store.mainteFolder.c_str(), "")) {
        fail("the store does not open");
    }
    tagPGMITEMDEF code;
    if (!handle.GetItemDef(&code, kPluMenu, 1, 1) || code.nRecordCount != kRecords) {
        fail("the PLU menu does not cover the generated file");
    }
    const std::string output = folder + "/SHOP.CSV";
    const auto exportRun = [&] {
        if (tk73xch::writeIntegrationFile(output, handle, "20260101120000", "KR3010") != 1) {
            fail("the export failed");
        }
    };
    const auto baselineRun = [&] {
        if (readItemsAlone(handle) < kRecords) {
            fail("the items cannot be read");
        }
    };
    exportRun();
    baselineRun();
    std::vector<double> exports;
    std::vector<double> baselines;
    for (int run = 0; run < kRuns; ++run) {
        baselines.push_back(tk73bench::milliseconds(baselineRun));
        exports.push_back(tk73bench::milliseconds(exportRun));
    }
    const double baseline = tk73bench::median(baselines);
    const double ratio = tk73bench::median(exports) / baseline;
    std::printf("PLU file of %s: %d records, data integration file %.1f MB\n", kModel, kRecords,
                static_cast<double>(std::filesystem::file_size(output)) / 1e6);
    std::printf("baseline (the same items read through the handle): %.1f ms, 1.00x baseline\n",
                baseline);
    std::printf("data integration export: %.1f ms, %.2fx baseline\n", tk73bench::median(exports),
                ratio);
    std::printf("target: at most %.1fx baseline: %s\n", kTargetRatio,
                ratio <= kTargetRatio ? "met" : "missed");

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
