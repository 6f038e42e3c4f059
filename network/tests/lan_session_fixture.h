#pragma once
// Two stores of a staged installation and register simulators on loopback addresses of their
// own, for the tests that run the whole file service over a socket.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "archive/testing/archive_fixture.h"
#include "tools/regsim/register_simulator.h"

namespace nettest {

class LanSession : public archivetest::ArchiveTest {
  protected:
    struct Outcome {
        int result = -1;
        std::string message;
        std::string failed;
    };

    void SetUp() override;

    // A simulator serving on address (127.18.x.y, one per test) from its own folder.
    std::unique_ptr<tk73regsim::RegisterSimulator> startSimulator(
        const std::string& address, tk73regsim::Fault fault = tk73regsim::Fault::None,
        uint8_t encryption = 0x00);
    std::string simulatorFolder() const { return install_.path("register"); }

    // Makes the store the desktop's current store, the one the service reads and writes.
    static void select(const Store& store);
    static Outcome runSession(const std::string& address, int workKind,
                              const std::vector<int>& files);
    // The easy-transfer list of the store's register.
    static std::vector<int> easyFiles(const Store& store);
    // A file service setting under "\TRACE\STOREPORT".
    static void setServiceValue(const char* name, uint32_t value);
    // The simulator's next session report; fails the test when none comes.
    static tk73regsim::Report reportOf(tk73regsim::RegisterSimulator& simulator);

    Store a_;
    Store b_;
};

}  // namespace nettest
