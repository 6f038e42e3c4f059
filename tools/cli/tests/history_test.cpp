// What the store keeps of its registers' transfers, through tk73 as a process: the copies of the
// files each register holds, the transfer log, and the changes a send would make.

#include <arpa/inet.h>

#include <cmath>
#include <set>
#include <sstream>

#include "storedb/connection_type.h"
#include "tools/cli/tests/cli_fixture.h"

namespace {

using namespace clitest;

class Tk73History : public Tk73Professional {
  protected:
    void SetUp() override {
        Tk73Professional::SetUp();
        create("Corner Market", kKiosk);
    }
    // The store's registers listed by hand, by their dotted loopback addresses.
    static void listRegisters(const std::vector<std::string>& dotted) {
        std::vector<uint32_t> addresses;
        for (const std::string& address : dotted) {
            addresses.push_back(ntohl(inet_addr(address.c_str())));
        }
        ASSERT_EQ(tk73store::writeConnectionType(1, 0, {tk73store::kConnectManual, addresses}), 1);
    }
    std::string copyOf(int machineNo, const char* file) const {
        char name[64];
        std::snprintf(name, sizeof name, "S001/HISTORY/REG%02d/%s", machineNo, file);
        return database(name);
    }
    void setPrice(int record, const std::string& value, const char* store = "1") {
        ASSERT_EQ(runTk73({"set", "--store", store, "--menu", "14", "--item", "3", "--record",
                           std::to_string(record), "--value", value})
                      .exitCode,
                  0);
    }
    // The log as Python's csv module reads it (tab-separated, header first): one line per
    // entry, "direction machine address files result failed bytes" separated by blanks.
    std::string logAsPython() const {
        const std::string command =
            "python3 -c 'import csv,sys\n"
            "rows = list(csv.DictReader(open(sys.argv[1], newline=\"\"), delimiter=\"\\t\"))\n"
            "for r in rows:\n"
            "    assert r[\"time\"].endswith(\"Z\") and int(r[\"milliseconds\"]) >= 0\n"
            "    print(r[\"direction\"], r[\"machine\"], r[\"address\"], r[\"files\"], "
            "r[\"result\"], r[\"failed\"] or \"-\", r[\"bytes\"])' '" +
            database("S001/HISTORY/TRANSFER.LOG") + "'";
        const tk73test::CommandOutput python = tk73test::runCommand(command);
        EXPECT_EQ(python.status, 0) << python.text;
        return python.text;
    }
};

// Each case has registers on addresses of its own: the cases of this program run side by side,
// and a register listens on the same port at every address.
TEST_F(Tk73History, SendsKeepEachRegistersCopiesAndLogAndShowWhatASendWouldChange) {
    listRegisters({"127.24.3.1", "127.24.3.2", "127.24.3.3"});
    const auto first = startRegister("127.24.3.1");
    const auto second = startRegister("127.24.3.2");
    const auto broken = startRegister("127.24.3.3", tk73regsim::Fault::CloseMidFile);

    // Before any transfer nothing is known of what the registers hold.
    const CliResult unknown = runTk73({"changes", "--store", "1", "--files", "4,5"});
    EXPECT_EQ(unknown.exitCode, 1) << unknown.err;
    EXPECT_EQ(unknown.out,
              "127.24.3.1\tFILE004P.TXT\tnot known\n127.24.3.1\tFILE005P.TXT\tnot known\n"
              "127.24.3.2\tFILE004P.TXT\tnot known\n127.24.3.2\tFILE005P.TXT\tnot known\n"
              "127.24.3.3\tFILE004P.TXT\tnot known\n127.24.3.3\tFILE005P.TXT\tnot known\n");
    EXPECT_EQ(runTk73({"changes", "--store", "1", "127.24.9.9"}).exitCode, 3);

    const CliResult sent = runTk73(
        {"send", "--store", "1", "--files", "4,5", "127.24.3.1", "127.24.3.2", "127.24.3.3"});
    EXPECT_EQ(sent.exitCode, 7) << sent.err;
    // The registers that got the files hold copies of them; the one that failed has none.
    for (int machineNo : {1, 2}) {
        EXPECT_EQ(read(copyOf(machineNo, "FILE004P.TXT")), read(plu(1))) << machineNo;
        EXPECT_TRUE(fs::exists(copyOf(machineNo, "FILE005P.TXT")));
    }
    EXPECT_FALSE(fs::exists(copyOf(3, "FILE004P.TXT")));

    // Three prices change: each register that has its copies would get exactly those fields.
    setPrice(2, "111");
    setPrice(5, "222");
    setPrice(7, "333");
    const CliResult changes = runTk73({"changes", "--store", "1", "--files", "4,5"});
    EXPECT_EQ(changes.exitCode, 1) << changes.err;
    std::string expected;
    for (const char* address : {"127.24.3.1", "127.24.3.2"}) {
        expected += std::string(address) +
                    "\tFILE004P.TXT\t2\t33\tUnit price\t00000279\t00000111\n" + address +
                    "\tFILE004P.TXT\t5\t33\tUnit price\t00000389\t00000222\n" + address +
                    "\tFILE004P.TXT\t7\t33\tUnit price\t00000249\t00000333\n";
    }
    EXPECT_EQ(changes.out, expected + "127.24.3.3\tFILE004P.TXT\tnot known\n" +
                               "127.24.3.3\tFILE005P.TXT\tnot known\n");
    const CliResult json =
        runTk73({"changes", "--store", "1", "--files", "4", "127.24.3.2", "--json"});
    const std::string parsed = readBackWithPython(json.out);
    EXPECT_NE(parsed.find("\"changedRecords\": 3"), std::string::npos) << parsed;
    EXPECT_NE(parsed.find("{\"record\": 7, \"field\": 33, \"title\": \"Unit price\", \"register\": "
                          "\"00000249\", \"store\": \"00000333\"}"),
              std::string::npos)
        << parsed;

    // The log: one line per register, readable by a script; the failed one names its files.
    const std::string size4 = std::to_string(fs::file_size(copyOf(1, "FILE004P.TXT")));
    const std::string size5 = std::to_string(fs::file_size(copyOf(1, "FILE005P.TXT")));
    const std::string files = "4:" + size4 + ",5:" + size5;
    const std::string both = std::to_string(std::stoul(size4) + std::stoul(size5));
    EXPECT_EQ(logAsPython(), "send 1 127.24.3.1 " + files + " done - " + both + "\n" +
                                 "send 2 127.24.3.2 " + files + " done - " + both + "\n" +
                                 "send 3 127.24.3.3 " + files + " failed 4,5 0\n");
    const CliResult history = runTk73({"history", "--store", "1"});
    EXPECT_EQ(history.exitCode, 0) << history.err;
    // Newest first.
    EXPECT_EQ(history.out.find("\tsend\t3\t127.24.3.3\t4,5\tfailed\tRegister communication "
                               "error End.(Connection reset by peer)\t4,5\t0\t"),
              history.out.find('\t'))
        << history.out;
    EXPECT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 3);
    const CliResult one =
        runTk73({"history", "--store", "1", "--register", "127.24.3.2", "--json"});
    const std::string oneParsed = readBackWithPython(one.out);
    EXPECT_NE(oneParsed.find("\"address\": \"127.24.3.2\""), std::string::npos) << oneParsed;
    EXPECT_EQ(oneParsed.find("127.24.3.1"), std::string::npos) << oneParsed;

    // The first register leaves the store: its copies go, the second keeps its own under its
    // new number, and a changed address keeps the copies of its place.
    const std::string secondsCopy = read(copyOf(2, "FILE004P.TXT"));
    fs::remove(copyOf(2, "FILE005P.TXT"));
    listRegisters({"127.24.3.2", "127.24.3.9"});
    EXPECT_EQ(read(copyOf(1, "FILE004P.TXT")), secondsCopy);
    EXPECT_FALSE(fs::exists(copyOf(1, "FILE005P.TXT")));
    EXPECT_FALSE(fs::exists(copyOf(2, "FILE004P.TXT")));
    EXPECT_FALSE(fs::exists(database("S001/HISTORY/REG03")));
    EXPECT_EQ(runTk73({"changes", "--store", "1", "--files", "4", "127.24.3.2"}).out,
              expected.substr(expected.find("127.24.3.2")));

    // The register at the first place gets another address: it keeps its copies.
    listRegisters({"127.24.3.8", "127.24.3.9"});
    EXPECT_EQ(read(copyOf(1, "FILE004P.TXT")), secondsCopy);

    // A copy of the store has registers of its own, and no history of the store's.
    const CliResult copied = runTk73({"store", "copy", "--store", "1"});
    ASSERT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_TRUE(fs::exists(database("S002/M001/MAINTE/FILE004P.TXT")));
    EXPECT_FALSE(fs::exists(database("S002/HISTORY")));
}

TEST_F(Tk73History, SendsOnlyWhatChangedAndRetriesExactlyWhatFailedWhereItFailed) {
    listRegisters({"127.24.4.1", "127.24.4.2", "127.24.4.3"});
    std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> registers;
    registers.push_back(startRegister("127.24.4.1"));
    registers.push_back(startRegister("127.24.4.2"));
    registers.push_back(startRegister("127.24.4.3", tk73regsim::Fault::CloseMidFile));
    const std::vector<std::string> all = {"127.24.4.1", "127.24.4.2", "127.24.4.3"};
    const auto send = [&](std::vector<std::string> options, bool toAll) {
        std::vector<std::string> args = {"send", "--store", "1"};
        args.insert(args.end(), options.begin(), options.end());
        if (toAll) {
            args.insert(args.end(), all.begin(), all.end());
        }
        return runTk73(args);
    };
    // The files each register was served since the last look; none when it was not called (a
    // register that was called may report a little after tk73 ends: one that was not is waited
    // for a second only).
    const auto served = [&](size_t machine, int waitSeconds = 10) {
        const auto report = registers[machine]->nextReport(waitSeconds);
        return report ? report->files : std::vector<int>{};
    };
    EXPECT_EQ(send({"--files", "4,5"}, true).exitCode, 7);
    for (size_t machine = 0; machine < 3; ++machine) {
        served(machine);
    }

    // One price changes: only the PLU file goes, the registers' other files stay as they were.
    setPrice(3, "444");
    const auto registerFile = [&](size_t machine, const char* name) {
        return fs::path(registerFolder(all[machine])) / name;
    };
    const auto untouched = fs::last_write_time(registerFile(0, "000005.BIN"));
    const std::string untouchedBytes = read(registerFile(0, "000005.BIN").string());
    EXPECT_EQ(send({"--files", "4,5", "--changed-only"}, false).exitCode, 2);
    const CliResult some = runTk73(
        {"send", "--store", "1", "--files", "4,5", "--changed-only", "127.24.4.1", "127.24.4.2"});
    EXPECT_EQ(some.exitCode, 0) << some.err;
    EXPECT_EQ(served(0), std::vector<int>{4});
    EXPECT_EQ(served(1), std::vector<int>{4});
    EXPECT_EQ(fs::last_write_time(registerFile(0, "000005.BIN")), untouched);
    EXPECT_EQ(read(registerFile(0, "000005.BIN").string()), untouchedBytes);
    const CliResult nothing =
        runTk73({"send", "--store", "1", "--files", "4,5", "--changed-only", "127.24.4.1"});
    EXPECT_EQ(nothing.out, "127.24.4.1\tdone\tNo file changed.\t\n");
    EXPECT_EQ(served(0, 1), std::vector<int>{});

    // The third register is mended: a retry of what failed serves it alone, with both files.
    registers[2].reset();
    registers[2] = startRegister("127.24.4.3");
    const CliResult retried = send({"--retry-failed"}, false);
    EXPECT_EQ(retried.exitCode, 0) << retried.err;
    EXPECT_EQ(retried.out, "127.24.4.3\tdone\tNormal End.\t\n");
    EXPECT_EQ(served(2), (std::vector<int>{4, 5}));
    EXPECT_EQ(served(0, 1), std::vector<int>{});
    EXPECT_EQ(send({"--retry-failed"}, false).out, "");
    EXPECT_EQ(send({"--retry-failed", "--files", "4"}, false).exitCode, 2);
    EXPECT_EQ(read(copyOf(3, "FILE004P.TXT")), read(plu(1)));

    // The first register is programmed elsewhere (from another store, as by hand): what comes
    // back from it is shown as changed on the register, record by record.
    create("Other Market", kKiosk);
    setPrice(9, "555", "2");
    setPrice(10, "666", "2");
    ASSERT_EQ(runTk73({"send", "--store", "2", "--files", "4", "127.24.4.1"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(database("S002/HISTORY/REG01")));
    const CliResult received = runTk73({"receive", "--store", "1", "--files", "4", "127.24.4.1"});
    EXPECT_EQ(received.exitCode, 0) << received.err;
    const CliResult history = runTk73({"history", "--store", "1", "--register", "127.24.4.1"});
    // Newest first: the receive, with records 3 (444 here, the default there), 9 and 10.
    std::vector<std::string> columns;
    std::stringstream newest(history.out.substr(0, history.out.find('\n')));
    for (std::string column; std::getline(newest, column, '\t');) {
        columns.push_back(column);
    }
    ASSERT_EQ(columns.size(), 11u) << history.out;
    EXPECT_EQ(
        columns[1] + " " + columns[2] + " " + columns[4] + " " + columns[5] + " " + columns[10],
        "receive 1 4 done 3");
    EXPECT_EQ(read(copyOf(1, "FILE004P.TXT")), read(plu(1)));
    EXPECT_EQ(runTk73({"changes", "--store", "1", "--files", "4", "127.24.4.1"}).out, "");
}

TEST_F(Tk73History, ATransferKilledAtAnyMomentLeavesWholeCopiesAndWholeLogLines) {
    listRegisters({"127.24.5.1"});
    const auto first = startRegister("127.24.5.1");
    const std::string copies = database("S001/HISTORY/REG01");
    std::set<std::string> sent = {read(plu(1))};
    ASSERT_EQ(runTk73({"send", "--store", "1", "--files", "4", "127.24.5.1"}).exitCode, 0);
    // Kills spread from the program's start over its session, the copy and the log line, up to
    // a second later, however loaded the machine is.
    for (int round = 0; round < 24; ++round) {
        setPrice(1, std::to_string(100 + round));
        sent.insert(read(plu(1)));
        runTk73({"send", "--store", "1", "--files", "4", "127.24.5.1"},
                static_cast<long>(1000 * std::pow(1.35, round)));
        while (first->nextReport(0).has_value()) {
        }
        EXPECT_EQ(sent.count(read(copies + "/FILE004P.TXT")), 1u) << round;
        const std::string log = read(database("S001/HISTORY/TRANSFER.LOG"));
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back(), '\n') << round;
    }
    // Some sends were killed before they ended, some ended; every line is whole, and the next
    // complete send clears what killed writers left.
    const std::string lines = logAsPython();
    EXPECT_GT(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
    EXPECT_LT(std::count(lines.begin(), lines.end(), '\n'), 25) << lines;
    ASSERT_EQ(runTk73({"send", "--store", "1", "--files", "4", "127.24.5.1"}).exitCode, 0);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(copies)) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"FILE004P.TXT"});
    EXPECT_EQ(read(copies + "/FILE004P.TXT"), read(plu(1)));
}

}  // namespace
