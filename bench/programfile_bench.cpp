// Benchmark of the program file handle on a PLU file of 99,999 records. Every figure is given
// beside a floor measured in the same run on the same file: reading it whole and counting its
// lines, which no access to the file can beat.
//
// Run without arguments: makes its store in a temporary folder, prints one line per figure and
// removes the folder.

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

#include "bench/allocation_counter.h"
#include "bench/plu_bench_files.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr int kRecords = 99999;
constexpr int kRuns = 9;

double medianMilliseconds(const std::function<void()>& operation) {
    operation();  // warms caches and sizes the caller's arrays
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        operation();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

void report(const char* operation, double milliseconds, double floor) {
    std::printf("%s: %.2f ms, %.2fx floor\n", operation, milliseconds, milliseconds / floor);
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_programfile: %s\n", what);
    std::exit(1);
}

class Bench {
  public:
    explicit Bench(const tk73bench::PluStore& store) : store_(store) {}

    int openAndLoad(CPgmHandle& handle) {
        tagPGMITEMDEF def;
        return handle.Open(store_.definitionFile.c_str(), store_.mainteFolder.c_str(), "") &&
               handle.GetItemDef(&def, 14, tk73bench::kName, 1);
    }

    void resolveItems(CPgmHandle& handle) {
        const int items[] = {tk73bench::kCode, tk73bench::kName, tk73bench::kPrice,
                             tk73bench::kDepartment, tk73bench::kStatus};
        for (int i = 0; i < 5; ++i) {
            if (!handle.GetItemDef(&five_[i], 14, items[i], 0)) {
                fail("an item of the definition does not resolve");
            }
        }
        price_ = five_[2];
        code_ = five_[0];
        written_.resize(kRecords);
    }

    void readFive(CPgmHandle& handle) {
        if (!handle.ReadItems(five_, 5, 1, kRecords, read_, 0)) {
            fail("reading the items failed");
        }
    }

    void searchLast(CPgmHandle& handle) {
        const std::string wanted = tk73bench::pluCode(kRecords);
        if (handle.SearchItem(&code_, 1, wanted.c_str(), static_cast<int>(wanted.size()), 1, 1,
                              0) != kRecords) {
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
    const tk73bench::PluStore& store_;
    tagPGMITEMDEF five_[5];
    tagPGMITEMDEF price_;
    tagPGMITEMDEF code_;
    PGMITEMDATAARRAY read_[5];
    PGMITEMDATAARRAY written_;
    int round_ = 0;
};

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "tk73bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        fail("cannot make a temporary folder");
    }
    tk73bench::PluStore store;
    if (!tk73bench::writePluStore(folder, kRecords, store)) {
        fail("cannot write the PLU file");
    }
    std::printf("PLU file: %d records, %.1f MB\n", kRecords, store.pluFileSize / 1e6);

    const double floor = medianMilliseconds([&] {
        if (countLines(store.pluFile) < kRecords) {
            fail("cannot read the PLU file");
        }
    });
    report("baseline (read whole, count lines)", floor, floor);

    Bench bench(store);
    report("open and resolve an item with loading", medianMilliseconds([&] {
               CPgmHandle handle;
               if (!bench.openAndLoad(handle)) {
                   fail("opening the handle failed");
               }
           }),
           floor);

    CPgmHandle handle;
    if (!bench.openAndLoad(handle)) {
        fail("opening the handle failed");
    }
    bench.resolveItems(handle);
    report("read five items over all records", medianMilliseconds([&] { bench.readFive(handle); }),
           floor);
    report("search forward for the last record's value",
           medianMilliseconds([&] { bench.searchLast(handle); }), floor);
    report("write one item over all records", medianMilliseconds([&] { bench.writeOne(handle); }),
           floor);

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
