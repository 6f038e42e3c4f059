// What the converter takes on however large a file claims to be or a controller is slow: texts
// over its bound are refused before they are unpacked, memory it cannot have is a result code,
// and a controller's answer has ten seconds as a whole.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/dynamic_library.h"
#include "tests/support/temp_environment.h"

namespace {

using InitGlconv = int (*)(const char*, int);
using tk73test::TempEnvironment;

const char kHead[] =
    "\"C\",\"n:P0004:\"\r\n"
    "\"H\",\"KR3010\",\"20240401\",\"KR301            \",\"01\",\"REGISTER     \"\r\n"
    "\"F\",\"FILE004\",\"PLU                           \"\r\n";

void putLittleEndian(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

uint32_t crcOf(const std::string& bytes, size_t from, size_t size) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + from), static_cast<uInt>(size)));
}

// The zlib body of a PLU text whose one record holds `size` bytes of letters, packed a piece at
// a time, so that the test itself never holds the text; its text length through textSize.
std::string bombBody(size_t size, uint32_t* textSize) {
    z_stream stream{};
    deflateInit(&stream, 9);
    std::string body;
    char out[65536];
    const auto feed = [&](const std::string& piece, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        stream.avail_in = static_cast<uInt>(piece.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(out);
            stream.avail_out = sizeof out;
            deflate(&stream, flush);
            body.append(out, sizeof out - stream.avail_out);
        } while (stream.avail_out == 0);
    };
    const std::string head = std::string(kHead) + "000001,\"";
    feed(head, Z_NO_FLUSH);
    std::string piece(1u << 20, 'A');
    for (size_t done = 0; done < size; done += piece.size()) {
        for (size_t at = 0; at < piece.size(); at += 1000) {
            piece[at] = static_cast<char>('A' + (done + at) / 1000 % 26);
        }
        feed(piece, Z_NO_FLUSH);
    }
    feed("\"\r\n", Z_FINISH);
    deflateEnd(&stream);
    *textSize = static_cast<uint32_t>(head.size() + size + 3);
    return body;
}

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class ConverterBounds : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = tk73::loadLibrary("GLCONV.DLL");
        ASSERT_NE(module_, nullptr);
        init_ = reinterpret_cast<InitGlconv>(tk73::librarySymbol(module_, "InitGLCONV"));
        ASSERT_NE(init_, nullptr);
        TempEnvironment::writeFile(env_.path("definition.ini"),
                                   "[SYSTEM]\r\nMACHINE_TYPE=49\r\n[TCP/IP]\r\nECR01=127.18.7.1\r\n"
                                   "PORT=61555\r\n");
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(env_.root());
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        tk73::freeLibrary(module_);
    }
    int convert(char letter, const std::string& text, const std::string& binary) {
        const std::string command = std::string(1, letter) + " \"" + env_.path(text) + "\" \"" +
                                    env_.path(binary) + "\" -lc -d\"" +
                                    env_.path("definition.ini") + "\" -T";
        return init_(command.c_str(), 0);
    }

    TempEnvironment env_;
    void* module_ = nullptr;
    InitGlconv init_ = nullptr;
    std::filesystem::path previous_;
};

// A body of some hundred KB that truly unpacks to a text of 100 MiB, announced as such, and the
// same body announcing less than it holds: refused without taking the text's room.
TEST_F(ConverterBounds, ABodyThatUnpacksToMoreThanAProgramFileHoldsIsRefusedInLittleMemory) {
    TempEnvironment::writeFile(env_.path("small.txt"),
                               std::string(kHead) + "000001,\"04012300000075\"\r\n");
    ASSERT_EQ(convert('S', "small.txt", "small.bin"), 0);
    uint32_t hugeSize = 0;
    const std::string body = bombBody(100u << 20, &hugeSize);
    ASSERT_LT(body.size(), 1u << 20);
    for (const uint32_t announced : {hugeSize, 8u << 20}) {
        SCOPED_TRACE(announced);
        std::string binary = TempEnvironment::readFile(env_.path("small.bin")).substr(0, 384);
        putLittleEndian(binary, 24, announced);
        putLittleEndian(binary, 28, static_cast<uint32_t>(body.size()));
        putLittleEndian(binary, 32, crcOf(body, 0, body.size()));
        putLittleEndian(binary, 380, crcOf(binary, 0, 380));
        TempEnvironment::writeFile(env_.path("bomb.bin"), binary + body);
        const long peak = peakKiB();
        EXPECT_EQ(convert('R', "out.txt", "bomb.bin"), 1008);
        EXPECT_LT(peakKiB() - peak, 100 * 1024);
        EXPECT_FALSE(std::filesystem::exists(env_.path("out.txt")));
    }
}

// Memory the converter cannot have ends the call with "Not enough memory available" (2052), and
// the process goes on: nothing thrown inside leaves the library.
TEST_F(ConverterBounds, MemoryItCannotHaveIsAResultCodeNotAnAbort) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    std::string text = kHead;
    text.reserve(60u << 20);
    for (int record = 1; text.size() < (60u << 20); ++record) {
        char line[64];
        std::snprintf(line, sizeof line, "%06d,\"%014d\",\"Bread %-10d\"\r\n", record % 999999,
                      record, record);
        text += line;
    }
    TempEnvironment::writeFile(env_.path("large.txt"), text);
    std::string().swap(text);
    const pid_t child = ::fork();
    if (child == 0) {
        std::ifstream status("/proc/self/statm");
        size_t pages = 0;
        status >> pages;
        const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (100u << 20);
        const rlimit room{limit, limit};
        setrlimit(RLIMIT_AS, &room);
        _exit(convert('S', "large.txt", "large.bin") == 2052 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

// A controller that answers a byte every two seconds would take twenty seconds for its answer:
// the converter gives up after ten with "Time Out Error" (4513).
TEST_F(ConverterBounds, AControllerThatAnswersSlowlyHasTenSecondsAsAWhole) {
    TempEnvironment::writeFile(env_.path("FILE003P.TXT"), std::string(kHead));
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(61555);
    inet_pton(AF_INET, "127.18.7.1", &address.sin_addr);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    std::thread controller([listener] {
        const int s = ::accept(listener, nullptr, nullptr);
        char request[4096];
        ::recv(s, request, sizeof request, 0);
        const char answer[10] = {'G', 'L', 'V', 'K', 0, 0, 0, 0, 0, 0};
        for (const char byte : answer) {
            if (::send(s, &byte, 1, MSG_NOSIGNAL) != 1) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::seconds(2));
        }
        ::close(s);
    });
    const std::string command = "S \"" + env_.path("FILE003P.TXT") + "\" 3 -t1 -li -d\"" +
                                env_.path("definition.ini") + "\" -T";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(init_(command.c_str(), 0), 4513);
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_GE(spent, std::chrono::milliseconds(9900));
    EXPECT_LT(spent, std::chrono::seconds(13));
    controller.join();
    ::close(listener);
}

}  // namespace
