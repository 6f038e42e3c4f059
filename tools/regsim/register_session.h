#pragma once
// One session driven from the register's side over a connected socket.

#include "tools/regsim/register_link.h"
#include "tools/regsim/register_simulator.h"

namespace tk73regsim {

class RegisterSession {
  public:
    RegisterSession(int socket, const Options& options);
    // Runs the session to its end; the socket stays open for the caller to close.
    Report run();

  private:
    bool request(uint16_t type, uint8_t subKind, uint16_t block, const std::vector<uint8_t>& data,
                 Answer* answer, bool more = false);
    bool authenticate();
    bool askWork();
    // Both directions; false when the session was broken off.
    bool fetchFile(int fileNo, bool first);
    bool pushFile(int fileNo, bool first);
    // The work as the fault has it: the files in the order they go, and what comes after them.
    bool doWork();
    // Sends a telegram header with a wrong check byte, or one byte, every second until a send
    // fails, whatever the PC says.
    void pester(bool headers);

    RegisterLink link_;
    const Options& options_;
    Report report_;
};

}  // namespace tk73regsim
