// A 10 MB file to a register and back over loopback through the whole file service (the
// register simulator on the other end), beside the same bytes moved in 1172-byte blocks as bare
// request/answer pairs over a loopback TCP connection in the same run: the floor that a
// telegram-per-block protocol cannot beat.
//
// Run without arguments (make bench): stages an installation and a store in a temporary folder,
// removes it at the end. Google Benchmark's switches apply (--benchmark_repetitions=5, ...).

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "archive/testing/staged_store.h"
#include "base/registry_settings.h"
#include "network/lan_file_service.h"
#include "platform/whole_file.h"
#include "tools/regsim/register_simulator.h"

namespace {

constexpr size_t kFileSize = 10u << 20;
constexpr size_t kBlock = 1172;
constexpr int kDataFile = 90;  // a data file of the model travels as it is
constexpr const char* kAddress = "127.18.9.1";
constexpr uint16_t kBarePort = 61590;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_lan: %s\n", what.c_str());
    std::exit(1);
}

struct Setup {
    std::unique_ptr<archivetest::StagedInstallation> install;
    std::unique_ptr<tk73regsim::RegisterSimulator> simulator;
};

Setup& setup() {
    static Setup s = [] {
        Setup made;
        made.install = std::make_unique<archivetest::StagedInstallation>();
        const int store = made.install->createStore(archivetest::kKR301);
        char number[16] = {};
        std::snprintf(number, sizeof number, "%03d", store);
        if (AecrbsSetDesktopRegister("001", number, "001") == 0) {
            fail("the desktop's store cannot be set");
        }
        std::string bytes(kFileSize, '\0');
        for (size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>('0' + i % 43);
        }
        const std::string mainte = archivetest::StagedInstallation::mainteFolder(store, 0);
        if (!tk73::replaceWholeFile(mainte + "/FILE090P.TXT", bytes)) {
            fail("the data file cannot be written");
        }
        tk73regsim::Options options;
        options.address = kAddress;
        options.folder = made.install->path("register");
        std::filesystem::create_directories(options.folder);
        made.simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        std::string error;
        if (!made.simulator->start(&error)) {
            fail(error);
        }
        return made;
    }();
    return s;
}

void runSession(benchmark::State& state, int workKind) {
    setup();
    char message[4096] = {};
    char failed[768] = {};
    for (auto _ : state) {
        if (TK73sslDULoadECRPFile(kAddress, workKind, 1, "000090", message, failed) != 1) {
            fail(std::string("session failed: ") + message);
        }
        setup().simulator->nextReport(60);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_LanSendToRegister(benchmark::State& state) {
    runSession(state, 1);
}

void BM_LanReceiveFromRegister(benchmark::State& state) {
    runSession(state, 0);
}

bool moveAll(int s, char* bytes, size_t length, bool sending) {
    size_t done = 0;
    while (done < length) {
        const ssize_t part = sending ? ::send(s, bytes + done, length - done, MSG_NOSIGNAL)
                                     : ::recv(s, bytes + done, length - done, 0);
        if (part <= 0) {
            return false;
        }
        done += static_cast<size_t>(part);
    }
    return true;
}

// One loopback connection; the asking side sends `ask` bytes and waits for `answer` bytes, once
// per 1172-byte block of the file.
void barePairs(benchmark::State& state, size_t ask, size_t answer) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(kBarePort);
    inet_pton(AF_INET, kAddress, &where.sin_addr);
    if (::bind(listener, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        ::listen(listener, 1) != 0) {
        fail("the bare pair's port cannot be had");
    }
    const size_t rounds = (kFileSize + kBlock - 1) / kBlock;
    const int64_t iterations = state.max_iterations;
    std::thread server([&] {
        const int s = ::accept(listener, nullptr, nullptr);
        std::vector<char> in(ask), out(answer, 'a');
        for (int64_t i = 0; i < iterations * static_cast<int64_t>(rounds); ++i) {
            if (!moveAll(s, in.data(), ask, false) || !moveAll(s, out.data(), answer, true)) {
                break;
            }
        }
        ::close(s);
    });
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::connect(client, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        fail("the bare pair cannot connect");
    }
    std::vector<char> out(ask, 'q'), in(answer);
    for (auto _ : state) {
        for (size_t r = 0; r < rounds; ++r) {
            if (!moveAll(client, out.data(), ask, true) ||
                !moveAll(client, in.data(), answer, false)) {
                fail("the bare pair broke off");
            }
        }
    }
    ::close(client);
    server.join();
    ::close(listener);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

// The register asks with a header and 8 bytes; the answer is a header, a block head and a block.
void BM_BarePairsBlocksAnswered(benchmark::State& state) {
    barePairs(state, 16 + 8, 16 + 28 + kBlock);
}

// The register sends a header, 12 bytes and a block; the answer is a header and 4 bytes.
void BM_BarePairsBlocksAsked(benchmark::State& state) {
    barePairs(state, 16 + 12 + kBlock, 16 + 4);
}

}  // namespace

BENCHMARK(BM_LanSendToRegister)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_BarePairsBlocksAnswered)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_LanReceiveFromRegister)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_BarePairsBlocksAsked)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char** argv) {
    tk73test::TempEnvironment environment;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
