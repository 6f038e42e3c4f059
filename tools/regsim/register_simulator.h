#pragma once
// A cash register on the LAN, for tests and benchmarks: it answers the discovery request on its
// UDP port and, once the PC has connected to its TCP port, drives the file session as a register
// does (authentication, work request, every file of the work list in either direction). It
// keeps its files in a folder as "%06d.BIN" (the bytes that travelled), so a test can send,
// change and fetch back data. Faults make it misbehave in one chosen way.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tk73regsim {

enum class Fault {
    None,
    Busy,              // the work request says busy, then the register hangs up
    Cancel,            // the first file telegram carries the cancel mark
    WrongPassword,     // a wrong six-character password
    ShortPassword,     // a five-character password
    BadCheckByte,      // a header with its check byte off by one comes before the work request
    Oversized,         // a header announcing 1190 data bytes and 16 of padding
    RepeatBlock,       // block 2 of a file the register sends goes twice
    PastLastBlock,     // once the first file the PC sends came whole, the block after its last
                       // is asked for, then the work goes on
    Silence,           // a header whose data never comes, in the middle of the first file
    CloseMidFile,      // the connection is closed after the first block of the first file
    PushTwice,         // of a receive, the first file is pushed twice and the last not at all
    WrongDirection,    // before the work, the first file goes the other way: pushed during a
                       // send, asked for during a receive
    BadHeaders,        // after the work list, a header with a wrong check byte every second
                       // instead of the files, as long as the connection takes them
    TrickleAfterWork,  // after the work, a byte every second, as long as the connection takes
                       // them
};

struct Options {
    std::string address = "127.0.0.1";
    uint16_t port = 61554;
    uint16_t discoveryPort = 61562;
    std::string folder;
    uint8_t encryption = 0x00;
    Fault fault = Fault::None;
    // How long the register waits for each answer.
    int answerSeconds = 10;
    // The register starts listening this long after start(): connections before are refused.
    int listenDelayMs = 0;
};

// One session as the register saw it.
struct Report {
    int workKind = -1;
    std::vector<int> files;
    // The result byte of every answer, in order.
    std::vector<uint8_t> results;
    // What the register sent expecting nothing back (the headers of BadHeaders, the bytes of
    // TrickleAfterWork) before the connection ended.
    int unanswered = 0;
    // Every answer that broke the protocol, and anything else that went wrong.
    std::vector<std::string> violations;
    // Step 6 said the password was accepted.
    bool passwordAccepted = false;
};

class RegisterSimulator {
  public:
    explicit RegisterSimulator(Options options);
    ~RegisterSimulator();
    RegisterSimulator(const RegisterSimulator&) = delete;
    RegisterSimulator& operator=(const RegisterSimulator&) = delete;

    // Binds both ports and starts serving; false with the reason when a port cannot be had.
    bool start(std::string* error);
    void stop();
    // The report of the next session that ended, waiting at most the time-out.
    std::optional<Report> nextReport(int timeoutSeconds);

  private:
    void acceptLoop();
    void discoveryLoop();

    Options options_;
    int listener_ = -1;
    int discovery_ = -1;
    std::atomic<bool> stop_{false};
    std::thread acceptThread_;
    std::thread discoveryThread_;
    std::mutex lock_;
    std::condition_variable reported_;
    std::deque<Report> reports_;
};

// The id of a file as the register names it, and its file in the folder.
std::string fileId(int fileNo);
std::string storedFile(const std::string& folder, int fileNo);

}  // namespace tk73regsim
