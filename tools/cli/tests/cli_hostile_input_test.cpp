// tk73 against input that would hurt it: registers that misbehave in every way a register can,
// archives whose headers claim more than they hold, and CSV files out of shape. Each ends within
// its bounds, reports exactly what happened and leaves the store's files as they were unless a
// listed file came whole.

#include <algorithm>
#include <chrono>
#include <tuple>

#include "platform/registry_hive.h"
#include "tools/cli/tests/cli_fixture.h"

namespace {

using namespace clitest;
using Clock = std::chrono::steady_clock;
using tk73regsim::Fault;

// No process of the suite needs more, whatever it is given.
constexpr long kMemoryLimitKiB = 200 * 1024;

// A binary program file forged from a real one with Python's zlib: "announce" keeps a body of
// 2.2 MB of random bytes under a header that announces a text of just under 2 GiB; "bomb" makes
// a body of some hundred KB that truly unpacks to a text of 100 MiB, as its header says. Checksums
// are made right, so that only the converter's bounds stand between the file and the memory.
void forge(const std::string& script, const std::string& from, const std::string& to,
           const std::string& how) {
    TempEnvironment::writeFile(
        script,
        "import os, struct, sys, zlib\n"
        "data = open(sys.argv[1], 'rb').read()\n"
        "head = bytearray(data[:384])\n"
        "text = zlib.decompress(data[384:384 + struct.unpack_from('<I', head, 28)[0]])\n"
        "if sys.argv[3] == 'announce':\n"
        "    body, length = os.urandom(2200000), 0x7FFFFFFF\n"
        "else:\n"
        "    value = bytearray(b'A' * (100 << 20))\n"
        "    value[::1000] = bytes(65 + n % 26 for n in range(len(value[::1000])))\n"
        "    lines = text.split(b'\\r\\n')\n"
        "    big = b'\\r\\n'.join(lines[:3]) + b'\\r\\n000001,\"' + value + b'\"\\r\\n'\n"
        "    body, length = zlib.compress(big, 9), len(big)\n"
        "struct.pack_into('<III', head, 24, length, len(body), zlib.crc32(body))\n"
        "struct.pack_into('<I', head, 380, zlib.crc32(bytes(head[:380])))\n"
        "open(sys.argv[2], 'wb').write(bytes(head) + body)\n");
    const tk73test::CommandOutput python = tk73test::runCommand(
        "python3 '" + script + "' '" + from + "' '" + to + "' " + how + " 2>&1");
    ASSERT_EQ(python.status, 0) << python.text;
}

class Tk73Hostile : public Tk73Professional {
  protected:
    void SetUp() override {
        Tk73Professional::SetUp();
        ASSERT_EQ(create("Corner Market", kKiosk), "1");
        ASSERT_EQ(create("Second Market", kKiosk), "2");
        ASSERT_EQ(runTk73({"set", "--store", "1", "--menu", "14", "--item", "3", "--record", "2",
                           "--value", "999"})
                      .exitCode,
                  0);
    }
    // The files of store 1 as they travel, from a register that took them.
    void sendThroughAGoodRegister() {
        const auto good = startRegister("127.24.2.9");
        ASSERT_EQ(runTk73({"send", "--store", "1", "--files", "4,5", "127.24.2.9"}).exitCode, 0);
        ASSERT_TRUE(good->nextReport(10).has_value());
        sent_ = registerFolder("127.24.2.9");
    }
    // The register at the address holds store 1's files 4 and 5, file 4 replaced when given.
    void hold(const std::string& address, const std::string& file4 = "") {
        for (const char* name : {"000004.BIN", "000005.BIN"}) {
            fs::copy_file(sent_ + "/" + name, registerFolder(address) + "/" + name);
        }
        if (!file4.empty()) {
            fs::copy_file(file4, registerFolder(address) + "/000004.BIN",
                          fs::copy_options::overwrite_existing);
        }
    }
    // Store 2's files but those named, which came whole.
    std::map<std::string, std::string> store2Except(const std::vector<int>& files) const {
        std::map<std::string, std::string> kept;
        for (const auto& [path, bytes] : snapshot()) {
            bool arrived = false;
            for (int fileNo : files) {
                char name[32];
                std::snprintf(name, sizeof name, "S002/M001/MAINTE/FILE%03dP.TXT", fileNo);
                arrived = arrived || path == database(name);
            }
            if (path.find("/S002/") != std::string::npos && !arrived) {
                kept[path] = bytes;
            }
        }
        return kept;
    }

    std::string sent_;
};

// One register for each way a register can misbehave, each served by its own tk73 run.
TEST_F(Tk73Hostile, RegistersThatMisbehaveGetTheirWorkAndNothingElseAndEndInTime) {
    sendThroughAGoodRegister();
    const std::string archive = env_.path("corner.crp");
    ASSERT_EQ(runTk73({"save", "--store", "1", "--out", archive}).exitCode, 0);
    const std::string huge = env_.path("huge.bin");
    forge(env_.path("forge.py"), sent_ + "/000004.BIN", huge, "announce");

    struct Hostile {
        std::string address;
        Fault fault;
        std::string command;
        std::string files;
        // What the register holds as file 4 instead of store 1's.
        std::string file4;
        // tk73's line after the address, and the files whose arrival changes store 2.
        std::string line;
        std::vector<int> arrived;
        // The register's answers must hold this result (0: any).
        uint8_t refusal;
        int seconds;
    };
    const std::string failed = "failed\tRegister communication error End.(";
    const std::vector<Hostile> hostiles = {
        // Accepts from the third attempt on: one session, done, and not served again.
        {"127.24.2.1", Fault::None, "send", "4,5", "", "done\tNormal End.\t", {}, 0, 10},
        {"127.24.2.2",
         Fault::WrongDirection,
         "send",
         "4,5",
         "",
         "done\tNormal End.\t",
         {},
         0x13,
         5},
        {"127.24.2.3", Fault::PastLastBlock, "send", "4,5", "", "done\tNormal End.\t", {}, 0x11, 5},
        {"127.24.2.4",
         Fault::TrickleAfterWork,
         "send",
         "4,5",
         "",
         "done\tNormal End.\t",
         {},
         0,
         10},
        {"127.24.2.5",
         Fault::PushTwice,
         "receive",
         "4,5",
         "",
         failed + "Connection reset by peer)\t5",
         {4},
         0,
         5},
        {"127.24.2.6",
         Fault::WrongDirection,
         "receive",
         "4,5",
         "",
         "done\tNormal End.\t",
         {4, 5},
         0x13,
         5},
        // A "file 4" that is the pack of every file of the store.
        {"127.24.2.7",
         Fault::None,
         "receive",
         "4",
         archive,
         failed + "Invalid data file.)\t4",
         {},
         0x31,
         5},
        {"127.24.2.8",
         Fault::None,
         "receive",
         "4",
         huge,
         failed + "Invalid data file.)\t4",
         {},
         0x31,
         5},
        // Its deadline: TINIT and TEX1 seconds for each of its files; the close then waits at
        // most 5 seconds for it to stop.
        {"127.24.2.10",
         Fault::BadHeaders,
         "receive",
         "4,5",
         "",
         failed + "Time Out.)\t4,5",
         {},
         0,
         12},
    };
    for (const Hostile& hostile : hostiles) {
        SCOPED_TRACE(hostile.address);
        if (hostile.fault == Fault::BadHeaders) {
            for (const char* name : {"TINIT", "TEX1"}) {
                ASSERT_TRUE(tk73::registryWriteDword(
                    tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TRACE\\STOREPORT",
                    name, 2));
            }
        }
        const bool late = hostile.address == "127.24.2.1";
        const auto simulator = startRegister(hostile.address, hostile.fault, late ? 3000 : 0);
        hold(hostile.address, hostile.file4);
        const auto before = snapshot();
        const auto kept = store2Except(hostile.arrived);
        const std::string store = hostile.command == "send" ? "1" : "2";
        const auto start = Clock::now();
        // The late register is given a retry, which it must not need.
        const CliResult result =
            runTk73({hostile.command, "--store", store, "--files", hostile.files, "--retry",
                     late ? "1" : "0", hostile.address});
        const auto spent = Clock::now() - start;
        EXPECT_EQ(result.out, hostile.address + "\t" + hostile.line + "\n") << result.err;
        EXPECT_EQ(result.exitCode, hostile.line.rfind("done", 0) == 0 ? 0 : 7);
        EXPECT_LT(spent, std::chrono::seconds(hostile.seconds * 2));
        EXPECT_LT(result.peakKiB, kMemoryLimitKiB);
        RecordProperty("peakKiB " + hostile.address, std::to_string(result.peakKiB));
        if (late) {
            EXPECT_GE(spent, std::chrono::seconds(2)) << "the first attempt was refused";
        }
        const auto report = simulator->nextReport(15);
        ASSERT_TRUE(report.has_value());
        if (hostile.refusal != 0) {
            EXPECT_NE(std::find(report->results.begin(), report->results.end(), hostile.refusal),
                      report->results.end());
        }
        EXPECT_FALSE(simulator->nextReport(1).has_value()) << "served once";
        if (hostile.command == "send") {
            EXPECT_TRUE(snapshot() == before) << "a send never changes the store";
        } else {
            EXPECT_TRUE(store2Except(hostile.arrived) == kept);
            for (int fileNo : hostile.arrived) {
                char name[32];
                std::snprintf(name, sizeof name, "S00%d/M001/MAINTE/FILE%03dP.TXT", 1, fileNo);
                const std::string ours = database(name);
                name[3] = '2';
                EXPECT_EQ(read(database(name)), read(ours)) << fileNo;
            }
        }
    }
}

// Archives whose header announces just under 2 GiB behind a body of 2 MB, or whose body truly
// unpacks to 100 MiB: refused at once, in little memory, with no file written anywhere.
TEST_F(Tk73Hostile, ArchivesThatClaimMoreThanAnyStoreHoldsAreRefusedInLittleMemory) {
    const std::string archive = env_.path("corner.crp");
    ASSERT_EQ(runTk73({"save", "--store", "1", "--out", archive}).exitCode, 0);
    for (const char* how : {"announce", "bomb"}) {
        SCOPED_TRACE(how);
        const std::string forged = env_.path(std::string(how) + ".crp");
        forge(env_.path("forge.py"), archive, forged, how);
        const auto before = snapshot();
        const CliResult opened = runTk73({"open", forged, "--model", kKiosk});
        EXPECT_EQ(opened.exitCode, 6) << opened.err;
        EXPECT_LT(opened.peakKiB, kMemoryLimitKiB);
        RecordProperty(std::string("peakKiB ") + how, std::to_string(opened.peakKiB));
        EXPECT_TRUE(snapshot() == before);
    }
}

// CSV files out of shape are refused before anything is written, the refusal naming the first
// bad line as Python's csv module counts the file's lines, and the field; a CSV of fewer records
// is taken, and the question says which records keep their values.
TEST_F(Tk73Hostile, CsvFilesOutOfShapeAreRefusedByLineAndFieldAndAShortOneSaysWhatStays) {
    const std::string csv = env_.path("plu.csv");
    ASSERT_EQ(runTk73({"export", "--store", "1", "--file", "4", "--out", csv}).exitCode, 0);
    const std::string exported = read(csv);
    // The line of a record as a CSV reader counts the file's lines.
    const auto lineOf = [&](const std::string& file, const std::string& record) {
        TempEnvironment::writeFile(env_.path("line.py"),
                                   "import csv, sys\n"
                                   "with open(sys.argv[1], newline='', encoding='latin-1') as f:\n"
                                   "    reader = csv.reader(f)\n"
                                   "    for row in reader:\n"
                                   "        if row and row[0] == sys.argv[2]:\n"
                                   "            print(reader.line_num)\n");
        const tk73test::CommandOutput python =
            tk73test::runCommand("python3 '" + env_.path("line.py") + "' '" + file + "' " + record);
        EXPECT_EQ(python.status, 0);
        return python.text.substr(0, python.text.find('\n'));
    };
    const auto replaceIn = [](std::string text, const std::string& record, const std::string& from,
                              const std::string& to) {
        const size_t line = text.find("\r\n" + record + ",");
        const size_t at = text.find(from, line);
        EXPECT_LT(at, text.find("\r\n", line + 2));
        return text.replace(at, from.size(), to);
    };
    // Lines of 138 and 136 bytes among lines of 137, and a price without its quotes.
    const std::string longer =
        replaceIn(replaceIn(exported, "000008", "Bagel", "Bagl"), "000007", "\",\"0", " \",\"0");
    const std::string unquoted = replaceIn(exported, "000003", "\"00000285\"", "00000285");
    const std::string before = read(plu(1));
    for (const auto& [bytes, record, field] :
         {std::tuple{longer, "000007", "field 2 (field number 31) has 17 characters"},
          std::tuple{unquoted, "000003",
                     "field 4 (field number 33) is not enclosed in double quotes"}}) {
        SCOPED_TRACE(record);
        TempEnvironment::writeFile(csv, bytes);
        const CliResult refused =
            runTk73({"import", "--store", "1", "--file", "4", "--in", csv, "--yes"});
        EXPECT_EQ(refused.exitCode, 6);
        EXPECT_NE(refused.err.find("line " + lineOf(csv, record) + ": " + field), std::string::npos)
            << refused.err;
        EXPECT_EQ(read(plu(1)), before);
    }

    size_t tenth = 0;
    for (int line = 0; line < 13; ++line) {
        tenth = exported.find('\n', tenth) + 1;
    }
    TempEnvironment::writeFile(csv, replaceIn(exported.substr(0, tenth), "000002", "Rye", "Oat"));
    const CliResult shorter =
        runTk73({"import", "--store", "2", "--file", "4", "--in", csv, "--yes"});
    EXPECT_EQ(shorter.exitCode, 0) << shorter.err;
    EXPECT_NE(shorter.err.find("Records 11 to 200 keep their values."), std::string::npos)
        << shorter.err;
    const std::string imported = read(plu(2));
    EXPECT_EQ(imported.substr(0, tenth),
              replaceIn(before.substr(0, tenth), "000002", "Rye", "Oat"));
    EXPECT_EQ(imported.substr(tenth), read(plu(1)).substr(tenth));
}

}  // namespace
