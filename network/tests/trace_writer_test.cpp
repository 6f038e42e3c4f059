// The trace writer's settings, line prefix, level filter and rotation.

#include <gtest/gtest.h>

#include <regex>

#include "network/trace_writer.h"
#include "platform/registry_hive.h"
#include "platform/whole_file.h"
#include "tests/support/temp_environment.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TRACE\\STOREPORT";

class NetTrace : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            tk73::registryWriteString(tk73::Hive::Machine, kKey, "Path", env_.path("trace")));
        std::filesystem::create_directories(env_.path("trace"));
    }
    static void setValue(const char* name, uint32_t value) {
        ASSERT_TRUE(tk73::registryWriteDword(tk73::Hive::Machine, kKey, name, value));
    }
    std::string read(const std::string& name) const {
        return tk73::readWholeFile(env_.path("trace/" + name)).value_or("<missing>");
    }

    tk73test::TempEnvironment env_;
};

TEST_F(NetTrace, LinesCarryThePrefixUpToTheLevelAndFullFilesRotate) {
    setValue("Mode", 1);
    setValue("Level", 2);
    setValue("MaxSize", 200);
    TK73APC* context = TK73bslCreateAPC(nullptr);
    context->code = 0x021F6004;
    tk73net::CTK73netTrace trace(context, "TK73HUB.exe", "_Client");
    EXPECT_EQ(trace.filePath(), env_.path("trace") + "/TK73HUB.exe_Client.log");
    trace.write(tk73net::kTraceInfo, "Start (client thread) %s", "127.0.0.1");
    trace.write(tk73net::kTraceDebug, "not written above the level");
    const std::string first = read("TK73HUB.exe_Client.log");
    EXPECT_TRUE(std::regex_match(
        first, std::regex("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}:\\d{3},INFO,\\d+,\\d+,"
                          "Start \\(client thread\\) 127\\.0\\.0\\.1\n")))
        << first;
    EXPECT_EQ(context->code, 0x021F6004) << "writing keeps the error being reported";

    // Past MaxSize the file becomes ".bak" (an older ".bak" is replaced) before the next line.
    tk73test::TempEnvironment::writeFile(env_.path("trace/TK73HUB.exe_Client.log.bak"), "old");
    tk73test::TempEnvironment::writeFile(env_.path("trace/TK73HUB.exe_Client.log"),
                                         std::string(201, 'x'));
    trace.write(tk73net::kTraceError, "after rotation");
    EXPECT_EQ(read("TK73HUB.exe_Client.log.bak"), std::string(201, 'x'));
    EXPECT_NE(read("TK73HUB.exe_Client.log").find(",ERROR,"), std::string::npos);
    EXPECT_EQ(read("TK73HUB.exe_Client.log").find('x'), std::string::npos);
    TK73bslDeleteAPC(context);

    setValue("Mode", 2);
    tk73net::CTK73netTrace silent(nullptr, "quiet");
    silent.write(tk73net::kTraceError, "never");
    EXPECT_FALSE(silent.enabled());
    EXPECT_EQ(read("quiet.log"), "<missing>");
}

}  // namespace
