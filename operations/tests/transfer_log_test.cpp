// The store's transfer log: what a script reads back, how it rotates, and that neither a damaged
// line nor a writer killed at any moment leaves a reader half an entry.

#include "operations/transfer_log.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/temp_environment.h"

namespace {

using tk73ops::TransferLogEntry;

TransferLogEntry entryOf(int machineNo, bool done) {
    TransferLogEntry entry;
    entry.time = tk73ops::transferLogTime();
    entry.direction = done ? "send" : "receive";
    entry.machineNo = machineNo;
    entry.address = "127.0.0." + std::to_string(machineNo);
    entry.files = {{4, 18920}, {998, 0}};
    entry.done = done;
    entry.message = done ? "Normal End." : "Register communication error End.(a\ttab\r\nand lines)";
    entry.failedFiles = done ? std::vector<int>{} : std::vector<int>{4, 998};
    entry.bytes = done ? 18920 : 0;
    entry.milliseconds = 1234;
    entry.changedOnRegister = done ? -1 : 12;
    return entry;
}

std::string summary(const std::vector<TransferLogEntry>& entries) {
    std::string text;
    for (const TransferLogEntry& e : entries) {
        text += e.direction + "|" + std::to_string(e.machineNo) + "|" + e.address + "|" +
                std::to_string(e.files.size()) + "|" + (e.done ? "done" : "failed") + "|" +
                e.message + "|" + std::to_string(e.failedFiles.size()) + "|" +
                std::to_string(e.bytes) + "|" + std::to_string(e.milliseconds) + "|" +
                std::to_string(e.changedOnRegister) + "\n";
    }
    return text;
}

TEST(TransferLog, ReadsBackWhatWasWrittenAndSkipsWhatIsNotAWholeEntry) {
    tk73test::TempEnvironment env;
    const std::string log = env.path("TRANSFER.LOG");
    ASSERT_TRUE(tk73ops::appendTransferLog(log, entryOf(1, true)));
    ASSERT_TRUE(tk73ops::appendTransferLog(log, entryOf(2, false)));
    const std::string text = tk73test::TempEnvironment::readFile(log);
    EXPECT_EQ(text.rfind(tk73ops::kTransferLogHeader, 0), 0u);
    // A tab or line end inside the message is no column and no line of its own.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_NE(text.find("\t4:18920,998:0\tfailed\tRegister communication error End.(a tab  and "
                        "lines)\t4,998\t0\t1234\t12\n"),
              std::string::npos)
        << text;

    // Damaged lines, a line of a later version with a column more, and a cut-off last line.
    std::ofstream(log, std::ios::app)
        << "2026-01-01T00:00:00Z\tsend\tx\t127.0.0.3\t\tdone\tNormal End.\t\t0\t1\n"
        << "2026-01-01T00:00:00Z\tsend\t3\t127.0.0.3\t4\tdone\tNormal End.\t\t0\t1\n"
        << "2026-01-01T00:00:00Z\tsend\t3\t127.0.0.3\t\tmaybe\tNormal End.\t\t0\t1\n"
        << "2026-01-01T00:00:00Z\tsend\t3\t127.0.0.3\t\tdone\tNormal End.\t\t0\t1\t\tnew\n"
        << "2026-01-01T00:00:00Z\tsend\t3\t127.0.0.3\t\tdone\tNormal End.\t\t0\t1\tx\n"
        << "2026-01-01T00:00:00Z\tsend\t4\t127.0.0.4\t4:1\tdone\tNorm";
    EXPECT_EQ(summary(tk73ops::readTransferLog(log)),
              "send|1|127.0.0.1|2|done|Normal End.|0|18920|1234|-1\n"
              "receive|2|127.0.0.2|2|failed|Register communication error End.(a tab  and "
              "lines)|2|0|1234|12\n"
              "send|3|127.0.0.3|0|done|Normal End.|0|0|1|-1\n");
    EXPECT_TRUE(tk73ops::readTransferLog(env.path("none")).empty());
}

TEST(TransferLog, RotatesBeyondItsSizeKeepingTheLogBeforeAndAWriterKilledAnyTimeLeavesWholeLines) {
    tk73test::TempEnvironment env;
    const std::string log = env.path("TRANSFER.LOG");
    const size_t line = tk73ops::transferLogLine(entryOf(1, true)).size();
    const uint64_t limit = 3 * line + std::strlen(tk73ops::kTransferLogHeader);
    for (int machineNo = 1; machineNo <= 8; ++machineNo) {
        ASSERT_TRUE(tk73ops::appendTransferLog(log, entryOf(machineNo, true), limit));
        EXPECT_LE(std::filesystem::file_size(log), limit);
    }
    // 1-3, 4-6 in the log before (which replaced the first), 7-8 in the log.
    std::string machines;
    for (const TransferLogEntry& entry : tk73ops::readTransferLog(log)) {
        machines += std::to_string(entry.machineNo);
    }
    EXPECT_EQ(machines, "45678");
    EXPECT_EQ(tk73test::TempEnvironment::readFile(log + ".1").rfind(tk73ops::kTransferLogHeader, 0),
              0u);

    // Writers that append and rotate as fast as they can, killed at moments spread over their
    // work: every line of both logs stays whole.
    for (int round = 0; round < 20; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int machineNo = 1;; machineNo = machineNo % 32 + 1) {
                tk73ops::appendTransferLog(log, entryOf(machineNo, machineNo % 2 == 0), limit);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 700 * round));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
    }
    // A writer killed between the rotation and its line leaves no log (or an empty one) beside
    // the rotated one, which is whole.
    EXPECT_FALSE(tk73test::TempEnvironment::readFile(log + ".1").empty());
    for (const std::string& path : {log, log + ".1"}) {
        const std::string text = tk73test::TempEnvironment::readFile(path);
        if (!text.empty()) {
            EXPECT_EQ(text.back(), '\n') << path;
            EXPECT_EQ(text.rfind(tk73ops::kTransferLogHeader, 0), 0u) << path;
        }
    }
    const size_t lines = [&] {
        size_t count = 0;
        for (const std::string& path : {log, log + ".1"}) {
            const std::string text = tk73test::TempEnvironment::readFile(path);
            count += text.empty() ? 0 : std::count(text.begin(), text.end(), '\n') - 1;
        }
        return count;
    }();
    EXPECT_EQ(tk73ops::readTransferLog(log).size(), lines);
}

}  // namespace
