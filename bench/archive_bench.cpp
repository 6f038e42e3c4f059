// Packing a whole store into a CRP archive and opening it again, with a PLU file of 50,000
// records in the layout of the shipped register model KR301. Each figure stands beside zlib
// alone on the same bytes in the same run: compressing the pack text (every program file of the
// archive) and decompressing it, which is the floor no archive of compressed text can beat.
//
// Run without arguments (make bench): stages an installation and a store in a temporary folder,
// removes it at the end. Google Benchmark's switches apply (--benchmark_repetitions=5, ...).

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "tests/support/temp_environment.h"
#include "tools/progen/program_generator.h"
#include "tools/stager/stage_installation.h"

namespace {

constexpr int kRecords = 50000;
constexpr const char* kModel = "KR301";

struct BenchStore {
    std::string definition;
    std::string mainte;
    std::string crp;
    std::string packText;  // the bytes zlib works on
    std::string compressed;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_archive: %s\n", what.c_str());
    std::exit(1);
}

// The installation staged into the environment's folder, one store of the model with its
// default program files and a generated PLU file.
BenchStore makeStore(const tk73test::TempEnvironment& env) {
    const std::string stage = env.path("stage");
    std::vector<std::string> log;
    std::string error;
    if (!tk73tools::stageInstallation({tk73tools::shippedInstallation(), stage, 2, false}, log,
                                      error)) {
        fail(error);
    }
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(stage).c_str(), 1);
    CTK73edbModel models;
    STORE_EDB record;
    record.storeName = "Bench Market";
    record.regModelNo = 301;
    record.changeBusinessDay = "0000";
    if (tk73store::CreateStore(record) != 1 ||
        CTK73pgmPgmFile(record.storeNo).CopyPgmFileDefaultToMainte(-1, 1) != 1) {
        fail("the store cannot be created");
    }
    BenchStore store;
    char path[TK73_MAX_PATH] = {};
    CTK73defReg(kModel, record.storeNo, 0).GetDbIniFilePath(path);
    store.definition = path;
    if (CTK73pgmPgmFile(record.storeNo).GetMaintePath(path, 1) == 0) {
        fail("no maintenance folder");
    }
    store.mainte = path;
    store.crp = env.path("card/KR301.092");

    tk73tools::GenerateRequest request;
    request.modelFolder = stage + "/install/register/" + kModel;
    request.records = kRecords;
    request.output = store.mainte + "/FILE004P.TXT";
    if (!tk73tools::generateProgramFile(request, error)) {
        fail(error);
    }
    CTK73packArchive archive(store.definition.c_str(), store.mainte.c_str(), 0);
    if (archive.PackCrpFile(store.crp.c_str(), kModel, -1) != 1) {
        fail("the store cannot be packed");
    }
    store.packText = tk73test::TempEnvironment::readFile(tk73pack::tempFile("PgmFile.txt"));
    uLongf size = compressBound(static_cast<uLong>(store.packText.size()));
    store.compressed.resize(size);
    compress2(reinterpret_cast<Bytef*>(store.compressed.data()), &size,
              reinterpret_cast<const Bytef*>(store.packText.data()),
              static_cast<uLong>(store.packText.size()), Z_DEFAULT_COMPRESSION);
    store.compressed.resize(size);
    return store;
}

BenchStore* g_store = nullptr;

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(g_store->packText.size()));
}

void PackCrp(benchmark::State& state) {
    for (auto _ : state) {
        CTK73packArchive archive(g_store->definition.c_str(), g_store->mainte.c_str(), 0);
        if (archive.PackCrpFile(g_store->crp.c_str(), kModel, -1) != 1) {
            state.SkipWithError("packing failed");
        }
    }
    setBytes(state);
}

void ZlibCompress(benchmark::State& state) {
    std::string out(compressBound(static_cast<uLong>(g_store->packText.size())), '\0');
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(g_store->packText.data()),
                  static_cast<uLong>(g_store->packText.size()), Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(size);
    }
    setBytes(state);
}

void UnpackCrp(benchmark::State& state) {
    for (auto _ : state) {
        CTK73packArchive archive(g_store->definition.c_str(), g_store->mainte.c_str(), 0);
        if (archive.UnPackCrpFile(g_store->crp.c_str()) != 1) {
            state.SkipWithError("unpacking failed");
        }
    }
    setBytes(state);
}

void ZlibUncompress(benchmark::State& state) {
    std::string out(g_store->packText.size(), '\0');
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                   reinterpret_cast<const Bytef*>(g_store->compressed.data()),
                   static_cast<uLong>(g_store->compressed.size()));
        benchmark::DoNotOptimize(size);
    }
    setBytes(state);
}

// Processor time: the machines this runs on are shared, and waiting for a processor says
// nothing about the code.
BENCHMARK(PackCrp)->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(UnpackCrp)->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibUncompress)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tk73test::TempEnvironment env;
    BenchStore store = makeStore(env);
    g_store = &store;
    std::printf("store: %d PLU records, pack text %zu bytes, archive body %zu bytes\n", kRecords,
                store.packText.size(), store.compressed.size());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
