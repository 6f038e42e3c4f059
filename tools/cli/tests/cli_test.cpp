// tk73 run as a process on a staged installation: each command's results, files and exit codes.

#include <algorithm>

#include "platform/registry_hive.h"
#include "tools/cli/tests/cli_fixture.h"

namespace {

using namespace clitest;

TEST_F(Tk73Professional, BadArgumentsGiveAUsageLineAndTouchNoFile) {
    create("Corner Market", kKiosk);
    const auto before = snapshot();
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"frobnicate"},
        {"store"},
        {"stores", "--bogus"},
        {"stores", "extra"},
        {"store", "create", "--name"},
        {"store", "create", "--name", "Shop"},
        {"store", "delete", "--store", "x", "--yes"},
        {"store", "delete", "--store", "65", "--yes"},
        {"get", "--store", "1"},
        {"get", "--store", "1", "--menu", "14", "--item", "3", "--record", "1", "--records", "1-2"},
        {"set", "--store", "1", "--menu", "14", "--item", "3", "--records", "5-2", "--value", "1"},
        {"set", "--store", "1", "--menu", "14", "--item", "3"},
        {"export", "--store", "1", "--file", "4"},
        {"export", "--store", "1", "--file", "4", "--integration", "--out", "x.csv"},
        {"import", "--store", "1", "--in", "x.csv", "--yes"},
        {"save", "--store", "1", "--out", "x.crp", "--crz", "9-1"},
        {"open"},
        {"diff", "only-one-file"},
        {"diff", "a", "b", "--with", "1"},
        {"store", "delete", "--store", "1", "--yes", "--yes"},
        {"send"},
        {"send", "--store", "1", "till-one"},
        {"receive", "127.24.0.1", "--files", "4,,5"},
        {"send", "127.24.0.1", "--files", "4,4"},
        {"send", "127.24.0.1", "--files", "4,1000"},
        {"send", "127.24.0.1", "--retry", "x"},
        {"receive", "127.24.0.1", "127.24.0.1"},
    };
    for (const std::vector<std::string>& args : mistakes) {
        const CliResult result = runTk73(args);
        std::string line;
        for (const std::string& arg : args) {
            line += arg + " ";
        }
        EXPECT_EQ(result.exitCode, 2) << line << result.err;
        EXPECT_NE(result.err.find("usage: tk73"), std::string::npos) << line << result.err;
        EXPECT_EQ(result.out, "") << line;
    }
    EXPECT_EQ(snapshot(), before);

    // --help is no mistake: the command's usage and options on standard output.
    const CliResult help = runTk73({"set", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: tk73 set ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--field TITLE"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Tk73Professional, StoreLifeCycleKeepsTheStoreRules) {
    const CliResult models = runTk73({"models"});
    EXPECT_EQ(models.exitCode, 0);
    EXPECT_NE(models.out.find("register\t150\tKR150\t"), std::string::npos) << models.out;
    EXPECT_NE(models.out.find("controller\t501\tVK500\t"), std::string::npos) << models.out;

    EXPECT_EQ(create("Corner Market", kKiosk), "1");
    const CliResult second = runTk73(
        {"store", "create", "--name", "Big Shop", "--model", kCompact, "--vek-model", "501"});
    EXPECT_EQ(second.out, "2\n") << second.err;
    // The new store has its models' default program files (a register beside a controller has
    // its own set of them).
    EXPECT_EQ(read(plu(2)),
              read(env_.path("stage/install/register/KR301/DEFAULTVEK/FILE004P.TXT")));
    EXPECT_TRUE(fs::is_directory(database("S002/O001/MAINTE")));

    const auto before = snapshot();
    EXPECT_EQ(runTk73({"store", "create", "--name", "Big Shop", "--model", kKiosk}).exitCode, 5);
    EXPECT_EQ(runTk73({"store", "create", "--name", "Other", "--model", "999"}).exitCode, 3);
    EXPECT_EQ(runTk73({"store", "create", "--name", "Other", "--model", kKiosk, "--branch", "7"})
                  .exitCode,
              3);
    EXPECT_EQ(runTk73({"store", "copy", "--store", "9"}).exitCode, 3);
    // Deleting asks; nobody answers a script unless it says --yes.
    const CliResult unanswered = runTk73({"store", "delete", "--store", "2"});
    EXPECT_EQ(unanswered.exitCode, 4);
    EXPECT_NE(unanswered.err.find("Are you sure to delete all?"), std::string::npos);
    EXPECT_EQ(runTk73({"store", "set-model", "--store", "2", "--model", kKiosk}).exitCode, 4);
    EXPECT_EQ(snapshot(), before);

    const CliResult copy = runTk73({"store", "copy", "--store", "1"});
    EXPECT_EQ(copy.out, "3\n") << copy.err;
    EXPECT_EQ(read(plu(3)), read(plu(1)));
    EXPECT_EQ(runTk73({"store", "delete", "--store", "2", "--yes"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(database("S002")));
    EXPECT_EQ(
        runTk73({"store", "set-model", "--store", "3", "--model", kCompact, "--yes"}).exitCode, 0);
    EXPECT_EQ(read(plu(3)), read(env_.path("stage/install/register/KR301/DEFAULT/FILE004P.TXT")));

    const CliResult stores = runTk73({"stores"});
    EXPECT_EQ(stores.out,
              "store\t1\tCorner Market\tbranch 0\tregister KR150\tcontroller -\n"
              "store\t3\tCopy_Corner Market\tbranch 0\tregister KR301\tcontroller -\n");
    const CliResult json = runTk73({"stores", "--json"});
    EXPECT_EQ(json.out,
              "{\"branches\":[],\"stores\":[{\"number\":1,\"name\":\"Corner Market\",\"branch\":0,"
              "\"register_model\":\"KR150\",\"controller_model\":\"-\",\"machines\":[]},"
              "{\"number\":3,\"name\":\"Copy_Corner Market\",\"branch\":0,\"register_model\":"
              "\"KR301\",\"controller_model\":\"-\",\"machines\":[]}]}\n");
}

TEST_F(Tk73Professional, GetAndSetGoThroughTheHandleWithItsChecks) {
    create("Corner Market", kKiosk);
    // Menu 14 item 3 is the PLU price; the field title names the same field.
    const CliResult byMenu =
        runTk73({"get", "--menu", "14", "--item", "3", "--records", "1-3", "--store", "1"});
    EXPECT_EQ(byMenu.out, "1\t429\n2\t279\n3\t285\n") << byMenu.err;
    const CliResult byTitle = runTk73(
        {"get", "--store", "1", "--file", "4", "--field", "Unit price", "--records", "1-3"});
    EXPECT_EQ(byTitle.out, byMenu.out);
    const CliResult names = runTk73(
        {"get", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "2", "--json"});
    EXPECT_EQ(names.out, "[{\"record\":2,\"value\":\"Rye bread       \"}]\n");

    ASSERT_EQ(runTk73({"set", "--store", "1", "--file", "4", "--field", "Unit price", "--records",
                       "2-3", "--value", "1250"})
                  .exitCode,
              0);
    ASSERT_EQ(runTk73({"set", "--store", "1", "--menu", "14", "--item", "2", "--record", "1",
                       "--value", "Rye"})
                  .exitCode,
              0);
    const std::string file = read(plu(1));
    EXPECT_NE(file.find("000001,\"04012300000075\",\"Rye             \",\"002000000000\","
                        "\"00000429\","),
              std::string::npos);
    EXPECT_NE(file.find("000002,\"04012300000143\",\"Rye bread       \",\"002000000000\","
                        "\"00001250\","),
              std::string::npos);
    EXPECT_NE(file.find("000003,\"04012300000211\",\"Baguette        \",\"002000000000\","
                        "\"00001250\","),
              std::string::npos);
    // PLU file 4 is no menu update file: the stamp stays as shipped.
    const std::vector<std::string> stamp = {"get", "--store", "1", "--menu", "36", "--item", "1"};
    EXPECT_EQ(runTk73(stamp).out, "1\t000000010424\n");

    const auto before = snapshot();
    const auto refused = [](std::vector<std::string> args) { return runTk73(args).exitCode; };
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "Unit price", "--record",
                       "1", "--value", "123456789"}),
              5);
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "Unit price", "--record",
                       "1", "--value", "12a"}),
              5);
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1",
                       "--value", "A name far too long"}),
              5);
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1",
                       "--value", "a,b"}),
              5);
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "Unit price", "--records",
                       "199-201", "--value", "1"}),
              3);
    EXPECT_EQ(refused({"set", "--store", "1", "--file", "4", "--field", "No such title", "--record",
                       "1", "--value", "1"}),
              3);
    EXPECT_EQ(refused({"set", "--store", "1", "--menu", "14", "--item", "99", "--record", "1",
                       "--value", "1"}),
              3);
    EXPECT_EQ(refused({"set", "--store", "1", "--vek", "--menu", "14", "--item", "3", "--record",
                       "1", "--value", "1"}),
              3);
    EXPECT_EQ(refused({"set", "--store", "5", "--menu", "14", "--item", "3", "--record", "1",
                       "--value", "1"}),
              3);
    EXPECT_EQ(snapshot(), before);

    // The scanning PLU file is menu data the register must learn of: writing it stamps menu 36.
    ASSERT_EQ(runTk73({"set", "--store", "1", "--file", "2", "--field", "Scanning PLU price",
                       "--record", "1", "--value", "300"})
                  .exitCode,
              0);
    const CliResult stamped = runTk73(stamp);
    EXPECT_EQ(stamped.exitCode, 0);
    EXPECT_NE(stamped.out, "1\t000000010424\n");
    EXPECT_EQ(stamped.out.size(), std::string("1\t000000010424\n").size());
}

TEST_F(Tk73Professional, JsonIsUtf8WhateverTheInstallationsCodePage) {
    // Typed in UTF-8, kept in Windows-1252 and converted back for JSON.
    create("Café \"Müller\"\t2", kKiosk);
    ASSERT_EQ(runTk73({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1",
                       "--value", "Crêpe €"})
                  .exitCode,
              0);
    const std::string stores = readBackWithPython(runTk73({"stores", "--json"}).out);
    EXPECT_NE(stores.find("\"name\": \"Caf\\u00e9 \\\"M\\u00fcller\\\"\\t2\""), std::string::npos)
        << stores;
    const CliResult name = runTk73(
        {"get", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1", "--json"});
    EXPECT_EQ(readBackWithPython(name.out),
              "[{\"record\": 1, \"value\": \"Cr\\u00eape \\u20ac         \"}]\n")
        << name.out;

    // In Shift JIS the second byte of U+30BD is 0x5C, the backslash of ASCII: it stays part of
    // its character and is not escaped.
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                          "CodePage", "SHIFT_JIS"));
    create("ソフト", kKiosk);
    const std::string japanese = readBackWithPython(runTk73({"stores", "--json"}).out);
    EXPECT_NE(japanese.find("\"name\": \"\\u30bd\\u30d5\\u30c8\""), std::string::npos) << japanese;
}

TEST_F(Tk73Professional, TextsAreTypedAndPrintedInUtf8AndKeptInTheCodePage) {
    // Windows-1252: "é" is one byte, "€" is 0x80; the width of a text counts those bytes.
    EXPECT_EQ(create("Café €5", kKiosk), "1");
    create("Plain", kKiosk);
    const std::string stored = std::string("Caf\xE9 \x80") + "5";
    const auto files = snapshot();
    const auto holding = [&](const std::string& bytes) {
        return std::count_if(files.begin(), files.end(), [&](const auto& file) {
            return file.second.find(bytes) != std::string::npos;
        });
    };
    EXPECT_GT(holding(stored), 0);
    EXPECT_EQ(holding("Café"), 0);
    EXPECT_EQ(runTk73({"stores"}).out,
              "store\t1\tCafé €5\tbranch 0\tregister KR150\tcontroller -\n"
              "store\t2\tPlain\tbranch 0\tregister KR150\tcontroller -\n");

    // 16 characters fill the PLU name: 21 bytes in UTF-8, 16 in the code page.
    const auto setName = [](const std::string& record, const std::string& value) {
        return runTk73({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record",
                        record, "--value", value});
    };
    ASSERT_EQ(setName("1", "Crème brûlée €12").exitCode, 0);
    ASSERT_EQ(setName("2", "Café €5").exitCode, 0);
    EXPECT_NE(read(plu(1)).find("000001,\"04012300000075\",\"Cr\xE8me br\xFBl\xE9"
                                "e \x80"
                                "12\","),
              std::string::npos);
    EXPECT_NE(read(plu(1)).find("000002,\"04012300000143\",\"" + stored + "         \","),
              std::string::npos);
    const CliResult names =
        runTk73({"get", "--store", "1", "--file", "4", "--field", "PLU name", "--records", "1-2"});
    EXPECT_EQ(names.out, "1\tCrème brûlée €12\n2\tCafé €5         \n") << names.err;
    // What get prints, set takes back unchanged.
    const std::string printed = names.out.substr(2, names.out.find('\n') - 2);
    ASSERT_EQ(setName("3", printed).exitCode, 0);
    const CliResult differences = runTk73({"diff", "--store", "1", "--with", "2", "--file", "4"});
    EXPECT_EQ(differences.out,
              "FILE004P.TXT\t1\t31\tPLU name\tCrème brûlée €12\tSourdough loaf  \n"
              "FILE004P.TXT\t2\t31\tPLU name\tCafé €5         \tRye bread       \n"
              "FILE004P.TXT\t3\t31\tPLU name\tCrème brûlée €12\tBaguette        \n")
        << differences.err;
    // Files stay in the code page, byte for byte.
    const std::string csv = env_.path("plu.csv");
    ASSERT_EQ(runTk73({"export", "--store", "1", "--file", "4", "--out", csv}).exitCode, 0);
    EXPECT_EQ(read(csv), read(plu(1)));

    // A character the code page has not, or bytes that are no UTF-8, are refused by name before
    // anything is written; a question carrying a stored name shows it in UTF-8.
    const auto before = snapshot();
    const CliResult tooWide = setName("1", "Crème brûlée €123");
    EXPECT_EQ(tooWide.exitCode, 5);
    EXPECT_NE(tooWide.err.find("\"Crème brûlée €123\" is longer"), std::string::npos)
        << tooWide.err;
    const CliResult polish = setName("1", "Łódź");
    EXPECT_EQ(polish.exitCode, 5);
    EXPECT_NE(polish.err.find("--value: \"Ł\" (U+0141) is no character"), std::string::npos)
        << polish.err;
    const CliResult store = runTk73({"store", "create", "--name", "Sklep Łódź", "--model", kKiosk});
    EXPECT_EQ(store.exitCode, 5);
    EXPECT_NE(store.err.find("--name: \"Ł\""), std::string::npos) << store.err;
    const CliResult raw = runTk73({"store", "copy", "--store", "1", "--name", "Caf\xE9"});
    EXPECT_EQ(raw.exitCode, 5);
    EXPECT_NE(raw.err.find("--name: the value is not UTF-8"), std::string::npos) << raw.err;
    EXPECT_EQ(runTk73({"get", "--store", "1", "--file", "4", "--field", "Ł"}).exitCode, 5);
    const std::string archive = env_.path("Łódź.crp");
    TempEnvironment::writeFile(archive, "");
    const CliResult unnamed = runTk73({"open", archive, "--model", kKiosk});
    EXPECT_EQ(unnamed.exitCode, 5);
    EXPECT_NE(unnamed.err.find("the archive's name (or give --name): \"Ł\""), std::string::npos)
        << unnamed.err;
    const CliResult question = runTk73({"store", "delete", "--store", "1"});
    EXPECT_EQ(question.exitCode, 4);
    EXPECT_NE(question.err.find("\"Café €5\""), std::string::npos) << question.err;
    EXPECT_EQ(snapshot(), before);

    // An archive's file name becomes the store's name in the code page.
    ASSERT_EQ(runTk73({"save", "--store", "2", "--out", env_.path("Crêpes.crp")}).exitCode, 0);
    const CliResult opened = runTk73({"open", env_.path("Crêpes.crp"), "--model", kKiosk});
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_NE(runTk73({"stores"}).out.find("store\t3\tCrêpes\t"), std::string::npos);
}

TEST_F(Tk73Professional, ShiftJisKeepsDoubleByteTextsWhole) {
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                          "CodePage", "SHIFT_JIS"));
    create("ソフト", kKiosk);
    EXPECT_NE(runTk73({"stores"}).out.find("store\t1\tソフト\t"), std::string::npos);
    // Eight double-byte characters fill the 16 bytes of the PLU name (24 bytes in UTF-8); a ninth
    // does not fit.
    ASSERT_EQ(runTk73({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1",
                       "--value", "ソフトクリーム大"})
                  .exitCode,
              0);
    EXPECT_NE(read(plu(1)).find(",\"\x83\x5C\x83\x74\x83\x67\x83\x4E\x83\x8A\x81\x5B\x83\x80"
                                "\x91\xE5\","),
              std::string::npos);
    const auto before = snapshot();
    EXPECT_EQ(runTk73({"set", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1",
                       "--value", "ソフトクリーム大盛"})
                  .exitCode,
              5);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(
        runTk73({"get", "--store", "1", "--file", "4", "--field", "PLU name", "--record", "1"}).out,
        "1\tソフトクリーム大\n");
}

TEST_F(Tk73Professional, ExportAndImportKeepTheProgramFileSafe) {
    create("Corner Market", kKiosk);
    const std::string csv = env_.path("plu.csv");
    ASSERT_EQ(runTk73({"export", "--store", "1", "--file", "4", "--out", csv}).exitCode, 0);
    EXPECT_EQ(read(csv), read(plu(1)));
    const CliResult integration =
        runTk73({"export", "--store", "1", "--integration", "--out", env_.path("all.csv")});
    EXPECT_EQ(integration.exitCode, 0) << integration.err;
    EXPECT_EQ(read(env_.path("all.csv")).rfind("\"HEAD-REC\",", 0), 0u);

    // Overwriting, and importing (which clears the program file's data), ask first.
    std::string changed = read(csv);
    changed.replace(changed.find("\"00000429\""), 10, "\"00000555\"");
    TempEnvironment::writeFile(csv, changed);
    TempEnvironment::writeFile(env_.path("bad.csv"), "not,a,program,file\r\n");
    const auto before = snapshot();
    EXPECT_EQ(runTk73({"export", "--store", "1", "--file", "4", "--out", csv}).exitCode, 4);
    EXPECT_EQ(read(csv), changed);
    EXPECT_EQ(runTk73({"import", "--store", "1", "--file", "4", "--in", csv}).exitCode, 4);
    EXPECT_EQ(
        runTk73({"import", "--store", "1", "--file", "4", "--in", env_.path("none.csv"), "--yes"})
            .exitCode,
        3);
    EXPECT_EQ(
        runTk73({"export", "--store", "1", "--file", "77", "--out", env_.path("x.csv")}).exitCode,
        3);
    // A text that does not begin like a program file is taken for a spreadsheet's CSV file,
    // whose first row names no column of the file.
    const CliResult bad =
        runTk73({"import", "--store", "1", "--file", "4", "--in", env_.path("bad.csv"), "--yes"});
    EXPECT_EQ(bad.exitCode, 5);
    EXPECT_NE(bad.err.find("names no column \"Record\""), std::string::npos) << bad.err;
    const auto after = snapshot();
    EXPECT_EQ(after.at(plu(1)), before.at(plu(1)));

    ASSERT_EQ(runTk73({"import", "--store", "1", "--file", "4", "--in", csv, "--yes"}).exitCode, 0);
    EXPECT_EQ(runTk73({"get", "--store", "1", "--menu", "14", "--item", "3", "--record", "1"}).out,
              "1\t555\n");
}

TEST_F(Tk73Professional, SaveOpenAndDiffCarryAStoreWhole) {
    create("Corner Market", kKiosk);
    create("Big Shop", kCompact);
    const std::string archive = env_.path("corner.crp");
    ASSERT_EQ(runTk73({"save", "--store", "1", "--out", archive}).exitCode, 0);
    const CliResult opened = runTk73({"open", archive, "--model", kKiosk});
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(opened.out, "3\n");
    EXPECT_NE(runTk73({"stores"}).out.find("store\t3\tcorner\t"), std::string::npos);

    const CliResult same = runTk73({"diff", "--store", "1", "--with", "3"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
    ASSERT_EQ(runTk73({"set", "--store", "3", "--menu", "14", "--item", "3", "--record", "2",
                       "--value", "999"})
                  .exitCode,
              0);
    const CliResult differs = runTk73({"diff", "--store", "1", "--with", "3"});
    EXPECT_EQ(differs.exitCode, 1);
    EXPECT_EQ(differs.out, "FILE004P.TXT\t2\t33\tUnit price\t00000279\t00000999\n");
    const CliResult files = runTk73({"diff", plu(1), plu(3), "--store", "1", "--json"});
    EXPECT_EQ(files.exitCode, 1);
    EXPECT_EQ(files.out,
              "[{\"file\":\"FILE004P.TXT\",\"record\":2,\"field\":33,\"title\":\"Unit price\","
              "\"left\":\"00000279\",\"right\":\"00000999\"}]\n");
    // Stores of different models, and files of different layouts, are not compared.
    EXPECT_EQ(runTk73({"diff", "--store", "1", "--with", "2"}).exitCode, 5);
    EXPECT_EQ(runTk73({"diff", plu(1), plu(2)}).exitCode, 5);

    // A damaged archive, or one of another model, leaves the store database as it was.
    std::string damaged = read(archive);
    damaged[damaged.size() / 2] ^= 0x5A;
    TempEnvironment::writeFile(env_.path("damaged.crp"), damaged);
    const auto before = snapshot();
    EXPECT_EQ(runTk73({"open", env_.path("damaged.crp"), "--model", kKiosk}).exitCode, 6);
    EXPECT_EQ(runTk73({"open", archive, "--model", kCompact, "--name", "Wrong"}).exitCode, 6);
    EXPECT_EQ(runTk73({"open", env_.path("none.crp")}).exitCode, 3);
    EXPECT_EQ(runTk73({"save", "--store", "3", "--out", archive}).exitCode, 4);
    EXPECT_EQ(snapshot(), before);

    const std::string crz = env_.path("part.crz");
    EXPECT_EQ(runTk73({"save", "--store", "1", "--out", crz, "--crz", "1-20"}).exitCode, 0);
    EXPECT_GT(fs::file_size(crz), 0u);
}

TEST_F(Tk73Professional, SendAndReceiveServeEveryRegisterAndRetryTheFailedOnes) {
    create("Corner Market", kKiosk);
    create("Second Market", kKiosk);
    ASSERT_EQ(runTk73({"set", "--store", "1", "--menu", "14", "--item", "3", "--record", "2",
                       "--value", "999"})
                  .exitCode,
              0);
    const auto good = startRegister("127.24.1.1");
    const auto busy = startRegister("127.24.1.2", tk73regsim::Fault::Busy);

    // A file the store does not have, or a store that is not there, stops before any register
    // is called.
    const auto before = snapshot();
    EXPECT_EQ(runTk73({"send", "--store", "1", "--files", "4,777", "127.24.1.1"}).exitCode, 3);
    EXPECT_EQ(runTk73({"receive", "--store", "9", "127.24.1.1"}).exitCode, 3);
    EXPECT_FALSE(good->nextReport(1).has_value());
    EXPECT_EQ(snapshot(), before);

    // The busy register fails on every try and the good one is served once, after it.
    const CliResult sent = runTk73(
        {"send", "--store", "1", "--files", "4,5", "--retry", "2", "127.24.1.2", "127.24.1.1"});
    EXPECT_EQ(sent.exitCode, 7) << sent.err;
    EXPECT_EQ(sent.out,
              "127.24.1.2\tfailed\tRegister communication error End.(The register is busy.)\t\n"
              "127.24.1.1\tdone\tNormal End.\t\n");
    EXPECT_NE(sent.err.find("1 of 2 registers failed"), std::string::npos) << sent.err;
    const auto report = good->nextReport(10);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->workKind, 1);
    EXPECT_EQ(report->files, (std::vector<int>{4, 5}));
    EXPECT_FALSE(good->nextReport(1).has_value());
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_TRUE(busy->nextReport(10).has_value()) << attempt;
    }
    EXPECT_FALSE(busy->nextReport(1).has_value());
    EXPECT_EQ(snapshot(), before);

    // What the register got comes back into the second store: its PLU file becomes the first's.
    const std::string defaults = read(plu(2));
    const CliResult received =
        runTk73({"receive", "--store", "2", "--files", "4", "127.24.1.1", "--json"});
    EXPECT_EQ(received.exitCode, 0) << received.err;
    EXPECT_EQ(received.out,
              "[{\"address\":\"127.24.1.1\",\"result\":\"done\",\"message\":\"Normal "
              "End.\",\"failedFiles\":[]}]\n");
    EXPECT_NE(read(plu(2)), defaults);
    const CliResult same = runTk73({"diff", "--store", "1", "--with", "2", "--file", "4"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
}

TEST_F(Tk73Professional, CheckReportsTheInstallationsFindings) {
    const CliResult clean = runTk73({"check"});
    EXPECT_EQ(clean.exitCode, 0) << clean.out;
    EXPECT_EQ(clean.out, "");
    fs::remove(env_.path("stage/install/register/KR150/DEFAULT/FILE004P.TXT"));
    const CliResult finding = runTk73({"check"});
    EXPECT_EQ(finding.exitCode, 1);
    EXPECT_NE(finding.out.find("FILE004P"), std::string::npos) << finding.out;
}

TEST_F(Tk73, TheSingleStoreLayoutsWorkOnTheWorkingStoreOnly) {
    stage(kDefaultLayout);
    create("Working", kCompact);
    create("Another", kCompact);
    EXPECT_EQ(
        runTk73({"export", "--store", "2", "--file", "4", "--out", env_.path("x.csv")}).exitCode,
        3);
    const CliResult current = runTk73({"get", "--menu", "14", "--item", "3", "--record", "1"});
    EXPECT_EQ(current.out, "1\t429\n");

    const std::string archive = env_.path("working.crp");
    ASSERT_EQ(
        runTk73({"set", "--menu", "14", "--item", "3", "--record", "1", "--value", "7"}).exitCode,
        0);
    ASSERT_EQ(runTk73({"save", "--out", archive}).exitCode, 0);
    // Opening replaces the working store and everything in it: only with --yes.
    const auto before = snapshot();
    EXPECT_EQ(runTk73({"open", archive}).exitCode, 4);
    EXPECT_EQ(snapshot(), before);
    const CliResult opened = runTk73({"open", archive, "--yes"});
    EXPECT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(opened.out, "1\n");
    EXPECT_EQ(runTk73({"get", "--menu", "14", "--item", "3", "--record", "1"}).out, "1\t7\n");
}

}  // namespace
