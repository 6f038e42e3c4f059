// Benchmark of the program file handle on a PLU file of 99,999 records in the layout of the
// shipped register model KR301 (its definition file and the generator of tools/progen). Every
// figure is given beside a floor measured in the same run, in turns with it, on the same file:
// reading it whole and counting its lines, which no access to the file can beat. A write is also
// given beside its own floor: the file read whole and written back once.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure and
// removes the folder. The exit code is 1 when a figure misses its target (kTargets), so that
// `make bench` stops at a regression.
//
// `bench_programfile --only OPERATION [RUNS]` (open, read, search, write) runs one operation
// RUNS times (200 unless given) and prints its median, for a profiler:
// `perf record -g build/bin/bench_programfile --only write`.

#include <algorithm>
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
constexpr int kRuns = 21;
constexpr const char* kModel = "KR301";

// The most processor time each operation may take, in floors; and the most memory a handle may
// hold through all of them, in file sizes.
constexpr double kOpenTarget = 1.1;
constexpr double kReadTarget = 1.5;
constexpr double kSearchTarget = 1.2;
constexpr double kWriteTarget = 2.0;
constexpr double kMemoryTarget = 1.1;

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
    // The copy keeps the shipped file's time, as an installed definition file is not one changed
    // a moment ago (whose profile values are read anew rather than from the kept copy).
    if (!error) {
        std::filesystem::last_write_time(
            store.definitionFile,
            std::filesystem::last_write_time(model + "/" + kModel + ".INI", error), error);
    }
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

// Processor time, the figure that targets judge: the machines this runs on are shared with
// builds, and time spent waiting for a processor says nothing about the code. Kernel time counts
// too, so the floor's reading of the file is in its figure. Elapsed time is given beside it.
struct Times {
    double processor = 0;
    double elapsed = 0;
};

Times timed(const std::function<void()>& operation) {
    const std::clock_t start = std::clock();
    const double elapsed = tk73bench::milliseconds(operation);
    return {1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, elapsed};
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_programfile: %s\n", what);
    std::exit(1);
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

// The floor of a write: the file read whole with one read and written back whole in place.
bool readAndWriteBack(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr) {
        return false;
    }
    const size_t size = std::filesystem::file_size(path);
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    const bool done = std::fread(bytes.get(), 1, size, file) == size &&
                      std::fseek(file, 0, SEEK_SET) == 0 &&
                      std::fwrite(bytes.get(), 1, size, file) == size;
    return std::fclose(file) == 0 && done;
}

class Bench {
  public:
    explicit Bench(const PluStore& store) : store_(store) {}

    int openAndLoad(CPgmHandle& handle) {
        tagPGMITEMDEF def;
        return handle.Open(store_.definitionFile.c_str(), store_.mainteFolder.c_str(), "") &&
               handle.GetItemDef(&def, 14, kName, 1);
    }

    // The five items, over every record of the file rather than the model's 300 PLUs, the code
    // that only the last record holds, and the prices to write.
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
        char code[32];
        if (!handle.ReadItem(&code_, kRecords, code, sizeof code)) {
            fail("the last record's code cannot be read");
        }
        lastCode_ = code;
        // Two sets of prices, written in turns, so that every write changes every record.
        for (int set = 0; set < 2; ++set) {
            written_[set].resize(kRecords);
            for (int i = 0; i < kRecords; ++i) {
                written_[set][static_cast<size_t>(i)].value = static_cast<uint64_t>(i + set + 1);
            }
        }
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
        round_ = 1 - round_;
        if (!handle.WriteItems(&price_, 1, 1, kRecords, &written_[round_], 0)) {
            fail("writing the item failed");
        }
    }

  private:
    const PluStore& store_;
    tagPGMITEMDEF five_[5];
    tagPGMITEMDEF price_;
    tagPGMITEMDEF code_;
    PGMITEMDATAARRAY read_[5];
    PGMITEMDATAARRAY written_[2];
    std::string lastCode_;
    int round_ = 0;
};

// The median processor and elapsed times of runs.
Times medians(const std::vector<Times>& runs) {
    std::vector<double> processor;
    std::vector<double> elapsed;
    for (const Times& run : runs) {
        processor.push_back(run.processor);
        elapsed.push_back(run.elapsed);
    }
    return {tk73bench::median(processor), tk73bench::median(elapsed)};
}

// Prints the figure beside the floor; false when it misses its target.
bool report(const char* name, const Times& times, const Times& floor, double target) {
    const double ratio = times.processor / floor.processor;
    const bool met = ratio <= target;
    std::printf("%s: %.2f ms, %.2fx floor (target %.1fx%s); elapsed %.2f ms, %.2fx floor\n", name,
                times.processor, ratio, target, met ? "" : ", MISSED", times.elapsed,
                times.elapsed / floor.elapsed);
    return met;
}

// `--only OPERATION [RUNS]`: the operation alone, for a profiler.
int runOnly(Bench& bench, const std::string& operation, int runs) {
    CPgmHandle handle;
    if (!bench.openAndLoad(handle)) {
        fail("opening the handle failed");
    }
    bench.resolveItems(handle);
    std::function<void()> run;
    if (operation == "open") {
        run = [&] {
            CPgmHandle fresh;
            bench.openAndLoad(fresh);
        };
    } else if (operation == "read") {
        run = [&] { bench.readFive(handle); };
    } else if (operation == "search") {
        run = [&] { bench.searchLast(handle); };
    } else if (operation == "write") {
        run = [&] { bench.writeOne(handle); };
    } else {
        fail("--only takes open, read, search or write");
    }
    run();
    std::vector<Times> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(timed(run));
    }
    const Times median = medians(times);
    std::printf("%s: %.2f ms processor, %.2f ms elapsed (median of %d runs)\n", operation.c_str(),
                median.processor, median.elapsed, runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string only;
    int onlyRuns = 200;
    if (argc > 1 && std::strcmp(argv[1], "--only") == 0 && argc > 2) {
        only = argv[2];
        onlyRuns = argc > 3 ? std::max(1, std::atoi(argv[3])) : onlyRuns;
    } else if (argc > 1) {
        fail("usage: bench_programfile [--only open|read|search|write [RUNS]]");
    }
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    PluStore store;
    if (!makeStore(folder, store)) {
        fail("cannot make the PLU file");
    }
    Bench bench(store);
    if (!only.empty()) {
        const int result = runOnly(bench, only, onlyRuns);
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        return result;
    }
    std::printf("PLU file of %s: %d records, %.1f MB (median of %d runs)\n", kModel, kRecords,
                store.pluFileSize / 1e6, kRuns);

    const auto floorRun = [&] {
        if (countLines(store.pluFile) < kRecords) {
            fail("cannot read the PLU file");
        }
    };
    const auto writeFloorRun = [&] {
        if (!readAndWriteBack(store.pluFile)) {
            fail("cannot read and write the PLU file");
        }
    };
    // Each operation is timed in turns with the floor, so that the floor's median covers the
    // same stretch of the run as the operations; the write also in turns with its own floor.
    std::vector<Times> floorTimes;
    std::vector<Times> writeFloorTimes;
    const auto measure = [&](const std::function<void()>& operation, bool write) {
        operation();  // warms caches and sizes the caller's arrays
        std::vector<Times> times;
        for (int run = 0; run < kRuns; ++run) {
            floorTimes.push_back(timed(floorRun));
            if (write) {
                writeFloorTimes.push_back(timed(writeFloorRun));
            }
            times.push_back(timed(operation));
        }
        return medians(times);
    };

    const Times open = measure(
        [&] {
            CPgmHandle handle;
            if (!bench.openAndLoad(handle)) {
                fail("opening the handle failed");
            }
        },
        false);
    CPgmHandle handle;
    if (!bench.openAndLoad(handle)) {
        fail("opening the handle failed");
    }
    bench.resolveItems(handle);
    const Times read = measure([&] { bench.readFive(handle); }, false);
    const Times search = measure([&] { bench.searchLast(handle); }, false);
    const Times write = measure([&] { bench.writeOne(handle); }, true);

    const Times floor = medians(floorTimes);
    const Times writeFloor = medians(writeFloorTimes);
    std::printf("floor (read whole, count lines): %.2f ms; elapsed %.2f ms\n", floor.processor,
                floor.elapsed);
    bool met = report("open and resolve an item with loading", open, floor, kOpenTarget);
    met = report("read five items over all records", read, floor, kReadTarget) && met;
    met = report("search forward for the last record's value", search, floor, kSearchTarget) && met;
    met = report("write one item over all records", write, floor, kWriteTarget) && met;
    std::printf(
        "  beside the floor of a write (read whole, written back once: %.2f ms, %.2fx "
        "floor): %.2fx; elapsed %.2fx\n",
        writeFloor.processor, writeFloor.processor / floor.processor,
        write.processor / writeFloor.processor, write.elapsed / writeFloor.elapsed);

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
        const double peak = static_cast<double>(tk73bench::peakBytes() - before) /
                            static_cast<double>(store.pluFileSize);
        const bool memoryMet = peak <= kMemoryTarget;
        std::printf("peak memory: %.2fx file (target %.1fx%s)\n", peak, kMemoryTarget,
                    memoryMet ? "" : ", MISSED");
        met = memoryMet && met;
    }

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return met ? 0 : 1;
}
