#include "network/tests/lan_session_fixture.h"

#include <cstdio>
#include <filesystem>

#include "base/registry_settings.h"
#include "definitions/def_pgm_file_ez.h"
#include "network/lan_file_service.h"
#include "platform/registry_hive.h"

namespace nettest {

void LanSession::SetUp() {
    a_ = makeStore(archivetest::kKR301);
    b_ = makeStore(archivetest::kKR301);
    std::filesystem::create_directories(simulatorFolder());
}

std::unique_ptr<tk73regsim::RegisterSimulator> LanSession::startSimulator(
    const std::string& address, tk73regsim::Fault fault, uint8_t encryption) {
    tk73regsim::Options options;
    options.address = address;
    options.folder = simulatorFolder();
    options.fault = fault;
    options.encryption = encryption;
    options.answerSeconds = 5;
    auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
    std::string error;
    EXPECT_TRUE(simulator->start(&error)) << error;
    return simulator;
}

void LanSession::select(const Store& store) {
    char number[16] = {};
    std::snprintf(number, sizeof number, "%03d", store.number);
    ASSERT_EQ(AecrbsSetDesktopRegister("001", number, "001"), 1);
}

LanSession::Outcome LanSession::runSession(const std::string& address, int workKind,
                                           const std::vector<int>& files) {
    std::string list;
    for (int file : files) {
        list += tk73regsim::fileId(file);
    }
    char message[4096] = {};
    char failed[768] = {};
    Outcome outcome;
    outcome.result = TK73sslDULoadECRPFile(
        address.c_str(), workKind, static_cast<int>(files.size()), list.c_str(), message, failed);
    outcome.message = message;
    outcome.failed = failed;
    return outcome;
}

std::vector<int> LanSession::easyFiles(const Store& store) {
    const CTK73defPGMFILE_EZ easy(store.definition.c_str());
    std::vector<int> files;
    for (int i = 0; i < easy.GetValueCount(); ++i) {
        int file = 0;
        if (easy.GetValueFromIndex(i, &file) != 0) {
            files.push_back(file);
        }
    }
    return files;
}

void LanSession::setServiceValue(const char* name, uint32_t value) {
    ASSERT_TRUE(tk73::registryWriteDword(
        tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TRACE\\STOREPORT", name, value));
}

tk73regsim::Report LanSession::reportOf(tk73regsim::RegisterSimulator& simulator) {
    const auto report = simulator.nextReport(30);
    EXPECT_TRUE(report.has_value()) << "the simulator ended no session";
    return report.value_or(tk73regsim::Report{});
}

}  // namespace nettest
