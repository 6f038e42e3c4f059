#pragma once
// An order-entry controller on the LAN, for tests: it answers the controller search on its UDP
// port and serves the converter's file transfers on its TCP port, one program file per
// connection (outside/glconv/README.md, "Controller transfers"). It keeps its program files in a
// folder under their own names ("FILE%03dP.TXT" for text files, "FILE%03dP.DAT" for data files),
// so a test can send, change and fetch back data.

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace tk73veksim {

struct Options {
    std::string address = "127.0.0.1";
    uint16_t port = 61551;
    uint16_t discoveryPort = 61550;
    std::string folder;
    std::string machineNo = "0001";  // four characters
    std::string modelCode;           // six characters: the register model it works with
    // The address its search answer names (a controller reached through another of its
    // interfaces); empty: its own.
    std::string namedAddress;
    // Every transfer is answered "busy" (4600).
    bool busy = false;
};

class ControllerSimulator {
  public:
    explicit ControllerSimulator(Options options);
    ~ControllerSimulator();
    ControllerSimulator(const ControllerSimulator&) = delete;
    ControllerSimulator& operator=(const ControllerSimulator&) = delete;

    // Binds both ports (loopback addresses only) and starts serving; false with the reason.
    bool start(std::string* error);
    void stop();
    // Transfers served so far.
    int transfers() const { return transfers_; }

  private:
    void serveLoop();
    void searchLoop();
    void serve(int connection);

    Options options_;
    int listener_ = -1;
    int search_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<int> transfers_{0};
    std::thread serveThread_;
    std::thread searchThread_;
};

// The file of a program file in the folder.
std::string storedFile(const std::string& folder, int fileNo, bool text);

}  // namespace tk73veksim
