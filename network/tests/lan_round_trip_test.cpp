// The easy-transfer files of one store go to the register and come back into a second store,
// under each payload type the service serves.

#include <cstdio>
#include <ostream>

#include "network/tests/lan_session_fixture.h"

namespace nettest {
namespace {

struct Case {
    uint8_t encryption;
    const char* address;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << "type " << static_cast<int>(c.encryption) << " at " << c.address;
}

class LanRoundTrip : public LanSession, public ::testing::WithParamInterface<Case> {};

TEST_P(LanRoundTrip, EveryEasyFileGoesToTheRegisterAndComesBackIntoASecondStore) {
    const Case& c = GetParam();
    // Store A's settings differ from the defaults that store B still holds.
    const std::string plu = a_.mainte + "/FILE004P.TXT";
    std::string changed = read(plu);
    const size_t at = changed.find("04012300000211");
    ASSERT_NE(at, std::string::npos);
    changed.replace(at, 14, "04012300000987");
    write(plu, changed);
    write(a_.mainte + "/FILE090P.TXT", std::string(2344, 'D'));
    std::vector<int> files = easyFiles(a_);
    ASSERT_EQ(files, (std::vector<int>{4, 5, 6, 7, 25, 998}));
    files.push_back(90);
    ASSERT_NE(archivetest::StagedInstallation::programFiles(a_.mainte),
              archivetest::StagedInstallation::programFiles(b_.mainte));

    auto simulator = startSimulator(c.address, tk73regsim::Fault::None, c.encryption);
    select(a_);
    const Outcome sent = runSession(c.address, 1, files);
    EXPECT_EQ(sent.result, 1) << sent.message;
    EXPECT_EQ(sent.message, "");
    EXPECT_EQ(sent.failed, "");
    const tk73regsim::Report pulled = reportOf(*simulator);
    EXPECT_EQ(pulled.workKind, 1);
    EXPECT_EQ(pulled.files, files);
    EXPECT_TRUE(pulled.passwordAccepted);
    EXPECT_TRUE(pulled.violations.empty()) << pulled.violations.front();
    for (uint8_t result : pulled.results) {
        EXPECT_EQ(result, 0xFF);
    }
    // The data file travels as it is: 2344 bytes, two blocks of 1172.
    EXPECT_EQ(read(tk73regsim::storedFile(simulatorFolder(), 90)), std::string(2344, 'D'));

    select(b_);
    const Outcome fetched = runSession(c.address, 0, files);
    EXPECT_EQ(fetched.result, 1) << fetched.message;
    EXPECT_EQ(fetched.failed, "");
    const tk73regsim::Report pushed = reportOf(*simulator);
    EXPECT_EQ(pushed.workKind, 0);
    EXPECT_TRUE(pushed.violations.empty()) << pushed.violations.front();
    EXPECT_EQ(archivetest::StagedInstallation::programFiles(b_.mainte),
              archivetest::StagedInstallation::programFiles(a_.mainte));
}

INSTANTIATE_TEST_SUITE_P(PayloadTypes, LanRoundTrip,
                         ::testing::Values(Case{0x00, "127.18.1.1"}, Case{0x81, "127.18.1.2"},
                                           Case{0x82, "127.18.1.3"}, Case{0x83, "127.18.1.4"},
                                           Case{0xC0, "127.18.1.6"}, Case{0xC1, "127.18.1.5"},
                                           Case{0xC2, "127.18.1.7"}),
                         [](const auto& generated) {
                             char name[16] = {};
                             std::snprintf(name, sizeof name, "Type%02X",
                                           generated.param.encryption);
                             return std::string(name);
                         });

}  // namespace
}  // namespace nettest
