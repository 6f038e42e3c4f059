// The run dialog of "Send to LAN" and "Recv. from LAN" as the user sees it, offscreen, with the
// real transfer (CTK73opsSockRegister) against registers that misbehave in every way a register
// can: each row ends in time and says what really happened, the store keeps its files unless a
// listed file came whole, and Cancel ends the session that runs at once and leaves the rows after
// it not done.

#include <zlib.h>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "archive/testing/staged_store.h"
#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "landialogs/lan_task.h"
#include "landialogs/ui/lan_run_dlg.h"
#include "network/file_conversion.h"
#include "operations/ops_sock_register.h"
#include "platform/registry_hive.h"
#include "platform/whole_file.h"
#include "tests/ui_checks/rendered_window.h"
#include "tools/regsim/register_simulator.h"

namespace {

using archivetest::StagedInstallation;
using Clock = std::chrono::steady_clock;
using tk73regsim::Fault;

const char kFailed[] = "Register communication error End.(";

// What the register holds as its file 4: store A's, store A's file 1, or store A's under a
// header that announces a text of just under 2 GiB.
enum class File4 { Own, Foreign, Huge };

struct Register {
    const char* address;
    Fault fault;
    File4 file4 = File4::Own;
    int listenDelayMs = 0;
};

// The binary program file's header announces the text length at byte 24, and ends with the
// CRC of the bytes before it.
void announceHugeText(const std::string& path) {
    std::string bytes = tk73::readWholeFile(path).value_or(std::string(384, '\0'));
    const auto put = [&bytes](size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    put(24, 0x7FFFFFFF);
    put(380, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), 380)));
    QVERIFY(tk73::replaceWholeFile(path, bytes));
}

QPushButton* button(const QDialog& dialog, const char* text) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == QLatin1String(text)) {
            return candidate;
        }
    }
    return nullptr;
}

bool messageShown(const tk73test::ScriptedUserInteraction& ui, const std::string& text) {
    for (const std::string& shown : ui.textsOf(tk73test::InteractionKind::Message)) {
        if (shown == text) {
            return true;
        }
    }
    return false;
}

void select(int storeNo) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", storeNo);
    QVERIFY(AecrbsSetDesktopRegister("001", number, "001") != 0);
}

void setServiceValue(const char* name, uint32_t value) {
    QVERIFY(tk73::registryWriteDword(
        tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TRACE\\STOREPORT", name, value));
}

}  // namespace

class LanRunHostileTest : public QObject {
    Q_OBJECT

  private:
    // Registers on their addresses, each holding store A's files 4 and 5 as they travel.
    std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> start(
        const std::vector<Register>& registers) {
        std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> started;
        select(a_);
        for (const Register& r : registers) {
            tk73regsim::Options options;
            options.address = r.address;
            options.folder = install_.path(std::string("register-") + r.address);
            options.fault = r.fault;
            options.answerSeconds = 5;
            options.listenDelayMs = r.listenDelayMs;
            std::filesystem::create_directories(options.folder);
            for (int fileNo : {4, 5}) {
                const int packed = r.file4 == File4::Foreign && fileNo == 4 ? 1 : fileNo;
                if (TK73ssl_PackBinFile(tk73regsim::storedFile(options.folder, fileNo).c_str(),
                                        packed) != 1) {
                    QTest::qFail("A register's file cannot be packed.", __FILE__, __LINE__);
                }
            }
            if (r.file4 == File4::Huge) {
                announceHugeText(tk73regsim::storedFile(options.folder, 4));
            }
            started.push_back(std::make_unique<tk73regsim::RegisterSimulator>(options));
            std::string error;
            if (!started.back()->start(&error)) {
                qWarning("%s", error.c_str());
            }
        }
        return started;
    }
    std::vector<tk73lan::LanTask> tasks(const std::vector<Register>& registers) const {
        std::string lines;
        for (size_t i = 0; i < registers.size(); ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "000,Brch,000,Store,%03zu,%s\n", i,
                          registers[i].address);
            lines += line;
        }
        return tk73lan::parseTaskLines(lines);
    }
    static QStringList results(const QDialog& dialog) {
        QStringList texts;
        auto* list = dialog.findChild<QTreeWidget*>();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            texts << list->topLevelItem(row)->text(4);
        }
        return texts;
    }

    StagedInstallation install_;
    int a_ = install_.createStore(archivetest::kKR301);
    int b_ = install_.createStore(archivetest::kKR301);

  private slots:
    void sendingEndsWellWithRegistersThatAskWrongOrLingerOrAcceptLate() {
        tk73test::ScriptedUserInteraction ui;
        const std::vector<Register> registers = {
            {"127.19.9.1", Fault::None, File4::Own, 3000},
            {"127.19.9.2", Fault::WrongDirection},
            {"127.19.9.3", Fault::PastLastBlock},
            {"127.19.9.4", Fault::TrickleAfterWork},
        };
        auto simulators = start(registers);
        const auto before =
            StagedInstallation::folderFiles(StagedInstallation::mainteFolder(a_, 0));
        auto rows = tasks(registers);
        CTK73opsSockRegister work(CTK73opsSockRegister::kSend, {4, 5});
        tk73lan::LanRunRequest request(rows, "Sending", false, CTK73opsSockRegister::RunSendJC,
                                       &work);
        CLanRunDlg dialog(request);
        const auto begun = Clock::now();
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Normal end all of task"), 40000);
        QVERIFY(Clock::now() - begun < std::chrono::seconds(30));
        QCOMPARE(results(dialog), QStringList(4, QStringLiteral("Normal End.")));
        for (auto& simulator : simulators) {
            QVERIFY(simulator->nextReport(5).has_value());
            QVERIFY2(!simulator->nextReport(0).has_value(), "each register served once");
        }
        QVERIFY(StagedInstallation::folderFiles(StagedInstallation::mainteFolder(a_, 0)) == before);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    }

    void receivingTakesOnlyWhatCameWholeAndEndsInTime() {
        tk73test::ScriptedUserInteraction ui;
        setServiceValue("TINIT", 1);
        setServiceValue("TEX1", 1);
        const std::vector<Register> registers = {
            {"127.19.9.5", Fault::PushTwice},
            {"127.19.9.6", Fault::BadHeaders},
            {"127.19.9.7", Fault::None, File4::Foreign},
            {"127.19.9.8", Fault::WrongDirection},
            // After the files came whole: nothing of this file 4 may reach the store.
            {"127.19.9.11", Fault::None, File4::Huge},
        };
        auto simulators = start(registers);
        const std::string mainteA = StagedInstallation::mainteFolder(a_, 0);
        const std::string mainteB = StagedInstallation::mainteFolder(b_, 0);
        auto expected = StagedInstallation::folderFiles(mainteB);
        for (const char* name : {"FILE004P.TXT", "FILE005P.TXT"}) {
            expected[name] = StagedInstallation::folderFiles(mainteA).at(name);
        }
        select(b_);
        auto rows = tasks(registers);
        CTK73opsSockRegister work(CTK73opsSockRegister::kReceive, {4, 5});
        tk73lan::LanRunRequest request(rows, "Receiving", false, CTK73opsSockRegister::RunSendJC,
                                       &work);
        CLanRunDlg dialog(request);
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Error end some of Controler box."), 40000);
        QCOMPARE(
            results(dialog),
            (QStringList{QString(kFailed) + "Connection reset by peer)",
                         QString(kFailed) + "Time Out.)", QString(kFailed) + "Invalid data file.)",
                         "Normal End.", QString(kFailed) + "Invalid data file.)"}));
        QVERIFY(StagedInstallation::folderFiles(mainteB) == expected);
        setServiceValue("TINIT", 60);
        setServiceValue("TEX1", 60);
    }

    void cancelEndsTheSessionAtOnceAndLeavesTheRestNotDone() {
        tk73test::ScriptedUserInteraction ui;
        const std::vector<Register> registers = {
            {"127.19.9.9", Fault::BadHeaders},
            {"127.19.9.10", Fault::None},
        };
        auto simulators = start(registers);
        select(b_);
        const auto before =
            StagedInstallation::folderFiles(StagedInstallation::mainteFolder(b_, 0));
        auto rows = tasks(registers);
        CTK73opsSockRegister work(CTK73opsSockRegister::kReceive, {4, 5});
        tk73lan::LanRunRequest request(rows, "Receiving", false, CTK73opsSockRegister::RunSendJC,
                                       &work);
        CLanRunDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* cancel = button(dialog, "Cancel");
        QVERIFY(cancel != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(cancel->isVisible(), 5000);
        // The first register keeps the session busy with headers that are dropped.
        QTest::qWait(1500);
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_run_dlg_cancel.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        const auto cancelled = Clock::now();
        cancel->click();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Error end some of Controler box."), 10000);
        QVERIFY(Clock::now() - cancelled < std::chrono::seconds(2));
        QVERIFY(!cancel->isVisible());
        QCOMPARE(results(dialog), (QStringList{QString(kFailed) + "Cancelled by the user.)",
                                               QStringLiteral("Cancelled.")}));
        QCOMPARE(request.tasks().at(1).status, 0);
        QVERIFY2(!simulators[1]->nextReport(1).has_value(), "the second register was not called");
        QVERIFY(StagedInstallation::folderFiles(StagedInstallation::mainteFolder(b_, 0)) == before);

        // Closing the window while the rows run again cancels as well.
        button(dialog, "Exec again all")->click();
        QTRY_VERIFY_WITH_TIMEOUT(cancel->isVisible(), 5000);
        QTest::qWait(500);
        dialog.reject();
        QTRY_VERIFY_WITH_TIMEOUT(!cancel->isVisible(), 5000);
        QVERIFY(dialog.isVisible());
        ui.pressButton(tk73::Button::Yes);
        button(dialog, "Exit")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(request.endCode, tk73lan::LanRunRequest::kLeftWithFailures);
    }
};

QTEST_MAIN(LanRunHostileTest)
#include "lan_run_hostile_test.moc"
