// The default layout's archive flows driven as a user drives them, on a staged installation with
// an SD card folder: the sample shop's archive opened from the card when the shell starts, a PLU
// edited in the item editor, the question at Exit answered Yes, No or Cancel, Save As of a whole
// and of a partial PLU archive, a damaged archive, the archive named on the command line, and the
// logos extracted as bitmaps that another program reads.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "apps/editors/framework/editor_application.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/item/testing/ui_driver.h"
#include "apps/editors/item/ui/item_editor.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "apps/shell/archive_texts.h"
#include "apps/shell/save_as_choice.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "archive/pack_archive.h"
#include "base/ui/qt_user_interaction.h"
#include "operations/ops_crp.h"
#include "operations/store_logos.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "storedb/edb_store.h"
#include "storedb/sys_init.h"
#include "tools/stager/demo/demo_shop.h"

namespace tk73hub {
namespace {

namespace fs = std::filesystem;
using tk73test::InteractionKind;

constexpr const char* kTitle = "ECR Setting Tool for LMX/TK series Ver1.00";
constexpr const char* kSeeded = "Seeded roll     ";

std::string cardArchive(const hubtest::ShellEnvironment& env) {
    return env.card() + "/KELVO/AUTOPGM/KR301.092";
}

// The sample shop's archive on the card and a store database without stores: the user starts as
// with a card taken from the shop's register.
void putShopOnCard(hubtest::ShellEnvironment& env) {
    std::string error;
    ASSERT_TRUE(tk73tools::PutSampleShopOnCard(0, env.card(), error)) << error;
    ASSERT_TRUE(fs::exists(cardArchive(env)));
    ASSERT_EQ(CTK73mntSysInit().ClearDataBase(), 1);
}

// The shell starts on the card: its Open takes the card the dialog offers.
void startOnTheCard(hubtest::ShellEnvironment& env) {
    putShopOnCard(env);
    env.answerSdCard();
}

std::string pluFile(hubtest::ShellEnvironment& env) {
    return hubtest::fileText(env.mainteFolder(false) + "/FILE004P.TXT");
}

// The PLU file of the archive: opened into a working store made afresh from the defaults.
std::string pluFileOfArchive(hubtest::ShellEnvironment& env, const std::string& archive) {
    MODEL_EDB model;
    CTK73edbModel().GetModelFromModelNo(301, &model);
    EXPECT_EQ(tk73ops::ResetWorkingStore(0, model, MODEL_EDB()), 1);
    char path[TK73_MAX_PATH] = {};
    archive.copy(path, archive.size());
    EXPECT_EQ(CTK73opsCrp(0).OpenCrpFile(path, 0, 0), 1);
    return pluFile(env);
}

// An editor wrote the PLU file after the data was loaded.
void touchPluFile(hubtest::ShellEnvironment& env) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string file = env.mainteFolder(false) + "/FILE004P.TXT";
    const std::string bytes = hubtest::fileText(file);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The item editor, as TK73ITEM runs it for the PLU button, with its own windows and messages:
// record 12 renamed in its record dialog, saved, and the editor closed.
void renamePluInItemEditor() {
    using namespace tk73itemtest;
    tk73::QtUserInteraction qtUi;
    tk73::UserInteraction* scripted = tk73::installUserInteraction(&qtUi);
    bool edited = false;
    QList<SeenMessage> seen;
    OnModal<tk73item::ItemListWindow>([&](tk73item::ItemListWindow* list) {
        list->SelectRecord(12);
        OnModal<tk73editor::PageSetDialog>([&](tk73editor::PageSetDialog* dialog) {
            TypeInto(qobject_cast<QLineEdit*>(FormField(dialog, QStringLiteral("Name"))),
                     QStringLiteral("Seeded roll"));
            AnswerMessage(QMessageBox::Ok, &seen);
            ButtonOf(dialog, QStringLiteral("OK"))->click();
            edited = true;
        });
        ButtonOf(list, QStringLiteral("Edit(E)"))->click();
        ButtonOf(list, QStringLiteral("Close"))->click();
    });
    EXPECT_EQ(tk73editor::runEditor({"/P"}, tk73item::itemEditor(), "TK73ITEM"),
              tk73editor::EditorExit::Ran);
    tk73::installUserInteraction(scripted);
    EXPECT_TRUE(edited);
}

TEST(HubArchive, TheShopOpenedFromTheCardIsEditedAndSavedBackOnExit) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    CHubDlg& window = hub.window();
    const std::string archive = cardArchive(hub.env());
    const std::string onCard = hubtest::fileText(archive);
    EXPECT_EQ(window.Document().GetState(), 3);
    EXPECT_EQ(window.Document().GetFilePath(), archive);
    EXPECT_EQ(window.windowTitle().toStdString(), std::string("KR301.092 - ") + kTitle);
    EXPECT_EQ(window.RegisterModel().indentName, "KR301");
    EXPECT_TRUE(window.Button(1012)->isEnabled());
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
    EXPECT_FALSE(window.IsModified());

    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    renamePluInItemEditor();
    ASSERT_NE(pluFile(hub.env()).find(kSeeded), std::string::npos);
    EXPECT_TRUE(window.IsModified());
    // Cancel keeps everything; No would end without saving (below, on a second change).
    hub.env().ui().pressButton(tk73::Button::Cancel);
    hub.press(1033);
    EXPECT_EQ(hub.result(), -2);
    EXPECT_EQ(hubtest::fileText(archive), onCard);

    hub.env().ui().pressButton(tk73::Button::Yes);
    hub.press(1033);
    EXPECT_EQ(hub.result(), 1);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Question),
              std::vector<std::string>(2, "Setting file has modified. Do you want to save it?"));
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
    EXPECT_NE(hubtest::fileText(archive), onCard);
    EXPECT_NE(pluFileOfArchive(hub.env(), archive).find(kSeeded), std::string::npos);
}

TEST(HubArchive, NoToTheQuestionOpensAgainWithoutSaving) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    const std::string archive = cardArchive(hub.env());
    const std::string onCard = hubtest::fileText(archive);
    const std::string shipped = pluFile(hub.env());
    std::string edited = shipped;
    edited.replace(edited.find("\",\"", edited.find("\r\n000012,")) + 3, 16, kSeeded);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ofstream(hub.env().mainteFolder(false) + "/FILE004P.TXT",
                  std::ios::binary | std::ios::trunc)
        << edited;

    // Cancel: no card is asked for, nothing changes.
    hub.env().ui().pressButton(tk73::Button::Cancel);
    hub.press(1007);
    EXPECT_EQ(pluFile(hub.env()), edited);
    // No: the card's archive, unsaved, replaces the edit.
    hub.env().ui().pressButton(tk73::Button::No);
    hub.env().answerSdCard();
    hub.press(1007);
    EXPECT_EQ(hubtest::fileText(archive), onCard);
    EXPECT_EQ(pluFile(hub.env()), shipped);
    EXPECT_EQ(hub.window().Document().GetState(), 3);
    EXPECT_FALSE(hub.window().IsModified());
}

TEST(HubArchive, ADamagedOrMissingArchiveLeavesTheStoreAsItWas) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    const std::string archive = cardArchive(hub.env());
    touchPluFile(hub.env());
    const std::string before = pluFile(hub.env());
    std::string damaged = hubtest::fileText(archive);
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x20);
    tk73test::TempEnvironment::writeFile(archive, damaged);

    hub.env().ui().pressButton(tk73::Button::No);
    hub.env().answerSdCard();
    hub.press(1007);
    // The converter says why it refused the archive; the shell says what failed, and where.
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message).back(),
              std::string(text::kReadFailed) + "\n" + archive);
    EXPECT_EQ(hub.env().ui().calls().back().icon, tk73::MessageIcon::Error);
    EXPECT_EQ(pluFile(hub.env()), before);
    EXPECT_EQ(hub.window().Document().GetState(), 3);
    EXPECT_EQ(hub.window().Document().GetFilePath(), archive);

    // A card without the archive is refused before anything is read; the dialog comes again.
    fs::remove(archive);
    hub.env().ui().pressButton(tk73::Button::No);
    hub.env().answerSdCard();
    hub.env().cancelSdCard();
    hub.press(1007);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message).back(),
              std::string(text::kArchiveMissing) + "\n" + archive);
    EXPECT_EQ(hub.env().ui().calls()[hub.env().ui().calls().size() - 2].icon,
              tk73::MessageIcon::Exclamation);
    EXPECT_EQ(pluFile(hub.env()), before);
}

TEST(HubArchive, TheArchiveOnTheCommandLineIsLoadedAtStart) {
    // An archive of the shop with record 12 renamed, in a folder with a blank in its name.
    hubtest::ShellEnvironment shop(0);
    MODEL_EDB model;
    CTK73edbModel().GetModelFromModelNo(301, &model);
    ASSERT_EQ(tk73ops::ResetWorkingStore(0, model, MODEL_EDB()), 1);
    std::string edited = pluFile(shop);
    edited.replace(edited.find("\",\"", edited.find("\r\n000012,")) + 3, 16, kSeeded);
    tk73test::TempEnvironment::writeFile(shop.mainteFolder(false) + "/FILE004P.TXT", edited);
    const std::string path = shop.temp().path("shop archive.092");
    ASSERT_EQ(CTK73opsCrp(0).SaveCrpFile(path.c_str()), 1);

    {
        // A name that is no archive: said, nothing loaded, no card asked for.
        hubtest::HubWindow hub(0, {}, {shop.temp().path("none.092")});
        EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message),
                  std::vector<std::string>{std::string(text::kReadFailed) + "\n" +
                                           shop.temp().path("none.092")});
        EXPECT_EQ(hub.window().Document().GetState(), 1);
    }
    hubtest::HubWindow hub(0, {}, {path});
    EXPECT_TRUE(hub.env().ui().calls().empty());
    EXPECT_EQ(hub.window().Document().GetState(), 3);
    EXPECT_EQ(hub.window().Document().GetFilePath(), path);
    EXPECT_EQ(hub.window().windowTitle().toStdString(),
              std::string("shop archive.092 - ") + kTitle);
    EXPECT_EQ(pluFile(hub.env()), edited);
    EXPECT_FALSE(hub.window().IsModified());
}

TEST(HubArchive, SaveAsWritesAWholeArchiveOrAPartialPluArchive) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    CHubDlg& window = hub.window();
    const std::string archive = cardArchive(hub.env());
    const std::string title = window.windowTitle().toStdString();

    // The partial PLU type with codes 10 to 20: the document keeps its file and title.
    const std::string part = hub.env().temp().path("part.crz");
    hub.env().ui().handleDialog("HubSaveAs", [&](tk73::DialogRequest& request) {
        SaveAsChoice& choice = static_cast<SaveAsRequest&>(request).choice;
        EXPECT_EQ(choice.fileName(), archive);
        EXPECT_EQ(choice.types().size(), 2u);
        EXPECT_EQ(choice.types()[1].patterns, "*.crz");
        choice.range().setTo(20);
        choice.range().setFrom(10);
        choice.accept(part, 1);
        return tk73::Button::Ok;
    });
    hub.press(1009);
    ASSERT_TRUE(fs::exists(part));
    EXPECT_EQ(window.Document().GetFilePath(), archive);
    EXPECT_EQ(window.windowTitle().toStdString(), title);
    {
        // Records 10 to 20 and no other.
        tk73test::TempEnvironment::writeFile(hub.env().temp().path("part/x"), "");
        const std::string unpacked = hub.env().temp().path("part");
        CTK73packArchive crz(
            (hub.env().temp().path("stage/install/register/KR301/KR301.INI")).c_str(),
            unpacked.c_str(), 0);
        ASSERT_EQ(crz.UnPackCrpFile(part.c_str()), 1);
        const std::string plu = hubtest::fileText(unpacked + "/FILE004P.TXT");
        EXPECT_NE(plu.find("\r\n000010,"), std::string::npos);
        EXPECT_NE(plu.find("\r\n000020,"), std::string::npos);
        EXPECT_EQ(plu.find("\r\n000009,"), std::string::npos);
        EXPECT_EQ(plu.find("\r\n000021,"), std::string::npos);
    }

    // The whole archive under a new name becomes the document's file.
    touchPluFile(hub.env());
    const std::string copy = hub.env().temp().path("copy.092");
    hub.env().ui().handleDialog("HubSaveAs", [&](tk73::DialogRequest& request) {
        static_cast<SaveAsRequest&>(request).choice.accept(copy, 0);
        return tk73::Button::Ok;
    });
    hub.press(1009);
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_EQ(window.Document().GetFilePath(), copy);
    EXPECT_EQ(window.windowTitle().toStdString(), std::string("copy.092 - ") + kTitle);
    EXPECT_FALSE(window.IsModified());

    // A name that cannot be written (below a file) is said, and nothing else changes.
    hub.env().ui().handleDialog("HubSaveAs", [&](tk73::DialogRequest& request) {
        static_cast<SaveAsRequest&>(request).choice.accept(copy + "/x.092", 0);
        return tk73::Button::Ok;
    });
    hub.press(1009);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message),
              std::vector<std::string>{std::string(text::kSaveFailed) + "\n" + copy + "/x.092"});
    EXPECT_EQ(window.Document().GetFilePath(), copy);
}

TEST(HubArchive, SaveWritesTheCardWithTheStoresLogos) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    const std::string archive = cardArchive(hub.env());
    const std::string cardLogos = hub.env().card() + "/KELVO/LOGO";
    fs::remove_all(cardLogos);
    touchPluFile(hub.env());

    hub.env().answerSdCard();
    hub.press(1010);
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
    const std::string storeLogos = tk73ops::StoreLogoFolder(1);
    for (const char* name : {"FILE0031.031", "FILE0032.032"}) {
        EXPECT_EQ(hubtest::fileText(cardLogos + "/" + name),
                  hubtest::fileText(storeLogos + "/" + name))
            << name;
        EXPECT_FALSE(hubtest::fileText(cardLogos + "/" + name).empty()) << name;
    }
    EXPECT_FALSE(hub.window().IsModified());

    // A read-only archive is said and the card is asked for again.
    fs::permissions(archive,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string before = hubtest::fileText(archive);
    touchPluFile(hub.env());
    hub.env().answerSdCard();
    hub.env().cancelSdCard();
    hub.press(1010);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message),
              std::vector<std::string>{std::string(text::kArchiveReadOnly) + "\n" + archive});
    EXPECT_EQ(hubtest::fileText(archive), before);
    // Yes at Exit cannot save there either: the window stays.
    hub.env().ui().pressButton(tk73::Button::Yes);
    hub.press(1033);
    EXPECT_EQ(hub.result(), -2);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message).back(),
              std::string(text::kArchiveReadOnly) + "\n" + archive);
    fs::permissions(archive, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(archive);

    // Settings made by New have no logos yet: that is said, and the archive is written all the
    // same.
    hub.env().ui().pressButton(tk73::Button::No);
    hub.runNew(301, 0);
    hub.env().answerSdCard();
    hub.press(1010);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message).back(), text::kLogoCopyFailed);
    EXPECT_EQ(hub.window().Document().GetFilePath(), archive);
    EXPECT_TRUE(fs::exists(archive));
}

// What Pillow sees in a bitmap: "width height" on the first line, then one line per dot row
// with the row's black dots as hexadecimal digits (a black dot a 1, leftmost the highest bit).
std::vector<std::string> pillowView(const std::string& bitmap, const std::string& folder) {
    const std::string script = folder + "/view.py";
    const std::string output = folder + "/view.txt";
    tk73test::TempEnvironment::writeFile(
        script,
        "import sys\n"
        "from PIL import Image\n"
        "image = Image.open(sys.argv[1]).convert('L')\n"
        "print(image.width, image.height)\n"
        "for y in range(image.height):\n"
        "    bits = ''.join('1' if image.getpixel((x, y)) < 128 else '0'"
        " for x in range(image.width))\n"
        "    print('%0*X' % (image.width // 4, int(bits, 2)))\n");
    const std::string command =
        "/usr/bin/python3 '" + script + "' '" + bitmap + "' > '" + output + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<std::string> lines;
    std::istringstream in(hubtest::fileText(output));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The same from the logo's text program file: its size from the definition, its record rows.
std::vector<std::string> textView(const std::string& file, const std::string& size) {
    std::vector<std::string> lines{size};
    std::istringstream in(hubtest::fileText(file));
    for (std::string line; std::getline(in, line);) {
        const size_t quote = line.find(",\"");
        if (!line.empty() && line[0] >= '0' && line[0] <= '9' && quote != std::string::npos) {
            lines.push_back(line.substr(quote + 2, line.rfind('"') - quote - 2));
        }
    }
    return lines;
}

TEST(HubArchive, TheOpenedArchivesLogosAreBitmapsThatAnotherProgramReads) {
    hubtest::HubWindow hub(0, {}, {}, startOnTheCard);
    const std::string logos = tk73ops::StoreLogoFolder(1);
    const std::string mainte = hub.env().mainteFolder(false);
    EXPECT_EQ(fs::path(logos).parent_path(), fs::path(mainte).parent_path());
    // The first logo (the receipt header) is the logo editor's alone.
    EXPECT_FALSE(fs::exists(logos + "/FILE0030.030"));
    EXPECT_EQ(textView(mainte + "/FILE031P.TXT", "256 64"),
              pillowView(logos + "/FILE0031.031", hub.env().temp().path("")));
    EXPECT_EQ(textView(mainte + "/FILE032P.TXT", "160 40"),
              pillowView(logos + "/FILE0032.032", hub.env().temp().path("")));
    for (const auto& entry : fs::directory_iterator(mainte)) {
        EXPECT_NE(entry.path().extension(), ".DAT") << entry.path();
    }
}

TEST(HubArchive, TheProLayoutLoadsTheCardIntoTheSelectedStoreAndSavesItBack) {
    hubtest::HubWindow hub(2, {}, {}, [](hubtest::ShellEnvironment& env) {
        putShopOnCard(env);
        // The card's archive was made from another shop's settings than the store's.
        std::string error;
        ASSERT_TRUE(tk73tools::MakeSampleShopStore(error)) << error;
        std::string plu = pluFile(env);
        plu.replace(plu.find("\",\"", plu.find("\r\n000012,")) + 3, 16, kSeeded);
        tk73test::TempEnvironment::writeFile(env.mainteFolder(false) + "/FILE004P.TXT", plu);
        env.answerSdCard();
    });
    const std::string archive = cardArchive(hub.env());
    CHubDlg& window = hub.window();
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
    EXPECT_EQ(window.Document().GetFilePath(), archive);
    EXPECT_EQ(pluFile(hub.env()).find(kSeeded), std::string::npos);
    STORE_EDB store;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(window.CurrentStore(), &store), 1);
    EXPECT_EQ(store.storeName, "Sample shop");
    EXPECT_TRUE(fs::exists(tk73ops::StoreLogoFolder(store.storeNo) + "/FILE0031.031"));

    std::string plu = pluFile(hub.env());
    plu.replace(plu.find("\",\"", plu.find("\r\n000012,")) + 3, 16, kSeeded);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    tk73test::TempEnvironment::writeFile(hub.env().mainteFolder(false) + "/FILE004P.TXT", plu);
    hub.env().answerSdCard();
    hub.press(1036);
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(CTK73edbStore().GetStoreCnt(), 1);
    // Opening the card again brings the saved edit back.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    tk73test::TempEnvironment::writeFile(hub.env().mainteFolder(false) + "/FILE004P.TXT",
                                         hubtest::fileText(hub.env().temp().path(
                                             "stage/install/register/KR301/DEFAULT/FILE004P.TXT")));
    hub.env().ui().pressButton(tk73::Button::No);
    hub.env().answerSdCard();
    hub.press(1035);
    EXPECT_EQ(pluFile(hub.env()), plu);
}

}  // namespace
}  // namespace tk73hub
