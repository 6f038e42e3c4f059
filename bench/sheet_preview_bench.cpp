// Benchmark of the spreadsheet import's preview over a PLU sheet of 50,000 records in the layout
// of the shipped register model KR150, beside a baseline measured in the same run, in turns with
// it: reading the same rows as CSV (the CSV reader over the sheet's rows, nothing checked). The
// preview of the .xlsx workbook must open in under two seconds (of processor time, which a busy
// machine does not stretch); the preview of the same rows saved as CSV is shown too.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure
// ("<operation>: <median> ms, <ratio>x baseline") and removes the folder.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/run_timing.h"
#include "bench/wide_plu_store.h"
#include "platform/whole_file.h"
#include "spreadsheet/import_preview.h"
#include "spreadsheet/sheet_export.h"
#include "spreadsheet/sheet_readers.h"

namespace {

constexpr int kRecords = 50000;
constexpr int kRuns = 5;
constexpr const char* kModel = "KR150";
constexpr int kPluMenu = 14;
constexpr double kTargetMilliseconds = 2000;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_sheet_preview: %s\n", what.c_str());
    std::exit(1);
}

// The sheet's rows as a spreadsheet saves them as CSV.
std::string csvOf(const tk73sheet::Sheet& sheet) {
    std::string out;
    for (const tk73sheet::SheetRow& row : sheet.rows) {
        for (size_t i = 0; i < row.cells.size(); ++i) {
            const std::string& text = row.cells[i].text;
            out += (i == 0 ? "" : ",");
            out += text.find_first_of(",\"") == std::string::npos ? text : "\"" + text + "\"";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    tk73bench::WidePluStore store;
    std::string error;
    if (!tk73bench::makeWidePluStore(folder, kModel, kPluMenu, kRecords, store, error)) {
        fail(error);
    }
    const tk73sheet::ProgramSheet plu{store.definitionFile, 0, kModel, 4, "PLU", store.pluFile};
    const std::string workbook = folder + "/PLU.xlsx";
    const double exported = tk73bench::milliseconds([&] {
        if (!tk73sheet::exportWorkbook({plu}, workbook, error)) {
            fail(error);
        }
    });
    tk73sheet::Workbook book;
    if (!tk73sheet::readXlsx(workbook, book, error) ||
        book.sheets.front().rows.size() != kRecords + 1) {
        fail("the workbook does not read back: " + error);
    }
    const std::string csvFile = folder + "/PLU.csv";
    const std::string csv = csvOf(book.sheets.front());
    if (!tk73::replaceWholeFile(csvFile, csv)) {
        fail("cannot write the CSV file");
    }
    const auto preview = [&](const std::string& file) {
        return [&plu, &error, file] {
            tk73sheet::ImportPreview result;
            if (!tk73sheet::previewImport(plu, file, result, error) ||
                result.unchangedRecords != kRecords) {
                fail("the preview does not find the file unchanged: " + error);
            }
        };
    };
    const auto baseline = [&] {
        const std::optional<std::string> bytes = tk73::readWholeFile(csvFile);
        tk73sheet::Workbook rows;
        if (!bytes || !tk73sheet::readSheetCsv(*bytes, "WINDOWS-1252", "PLU", rows, error) ||
            rows.sheets.front().rows.size() != kRecords + 1) {
            fail("the CSV rows do not read");
        }
    };
    const auto readWorkbook = [&] {
        tk73sheet::Workbook rows;
        if (!tk73sheet::readXlsx(workbook, rows, error)) {
            fail("the workbook does not read");
        }
    };
    // The processor time of the preview beside its elapsed time: on a machine that other work
    // keeps busy the elapsed time says more about the machine than about the preview.
    const auto processorMilliseconds = [](const std::function<void()>& operation) {
        const std::clock_t start = std::clock();
        operation();
        return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    };
    std::vector<double> baselines, workbooks, csvs, reads, processor;
    for (int run = 0; run < kRuns; ++run) {
        baselines.push_back(tk73bench::milliseconds(baseline));
        reads.push_back(tk73bench::milliseconds(readWorkbook));
        workbooks.push_back(tk73bench::milliseconds(preview(workbook)));
        processor.push_back(processorMilliseconds(preview(workbook)));
        csvs.push_back(tk73bench::milliseconds(preview(csvFile)));
    }
    const double base = tk73bench::median(baselines);
    const double xlsx = tk73bench::median(workbooks);
    const double fromCsv = tk73bench::median(csvs);
    std::printf("reading the %d rows as CSV (baseline): %.1f ms\n", kRecords, base);
    const double read = tk73bench::median(reads);
    std::printf("reading the .xlsx sheet alone: %.1f ms, %.1fx baseline\n", read, read / base);
    std::printf("preview of the %d-row .xlsx sheet: %.1f ms, %.1fx baseline elapsed\n", kRecords,
                xlsx, xlsx / base);
    const double busy = tk73bench::median(processor);
    std::printf("processor time of the .xlsx preview: %.1f ms (target: under %.0f ms)\n", busy,
                kTargetMilliseconds);
    std::printf("preview of the same rows as CSV: %.1f ms, %.1fx baseline\n", fromCsv,
                fromCsv / base);
    std::printf("export of the %d records as .xlsx: %.1f ms (once)\n", kRecords, exported);
    std::filesystem::remove_all(folder);
    return busy < kTargetMilliseconds ? 0 : 1;
}
