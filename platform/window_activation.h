#pragma once
// Bringing the window of another program of the suite to the front.
//
// On the target platform the shell and the editors reach each other's windows by their handles,
// kept in the registry values "MAINHWND" (the shell, while it waits for a program it started) and
// "CURRENTHWND" (the program in front). Here a window is reached through its process: the value
// kept is the process id (0: none), and a program with a window runs an ActivationEndpoint, a
// local socket "tk73-window-<pid>.sock" in the runtime folder (runtime_folder.h). Another program
// connects and sends the line "activate"; the endpoint asks its program to raise the window and
// replies "raised", or "hidden" when the program has no window to show at the moment (the shell
// while it waits for an editor).

#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace tk73 {

// The value that names this program's window in "MAINHWND" and "CURRENTHWND".
uint32_t ownWindowHandle();

// Asks the program whose window the handle names to raise it. True when it replied that it did;
// false for 0, for a program that has ended or runs no endpoint, and for one whose window is
// hidden. Waits at most two seconds for the reply.
bool raiseWindow(uint32_t handle);

class ActivationEndpoint {
  public:
    // Called on the endpoint's own thread, once per request; answers whether the program has a
    // window that it raises. It must not wait for the program's user-interface thread, which may
    // itself be waiting for the endpoint to stop: it posts the raise there and answers at once.
    using Raise = std::function<bool()>;

    // Starts listening; a socket left behind by an ended process of the same id is taken over.
    // Without a runtime folder, with one whose path is too long for a local socket name (about
    // 100 characters), or while another endpoint of this process listens, the object does not
    // listen.
    explicit ActivationEndpoint(Raise raise);
    // Stops listening, waits for a request being answered and removes the socket.
    ~ActivationEndpoint();
    ActivationEndpoint(const ActivationEndpoint&) = delete;
    ActivationEndpoint& operator=(const ActivationEndpoint&) = delete;

    bool listening() const { return thread_.joinable(); }

  private:
    void serve();
    void answer(int connection);
    void closeAll();

    Raise raise_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::string path_;
    std::thread thread_;
};

}  // namespace tk73
