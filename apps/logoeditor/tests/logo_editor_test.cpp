#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <memory>

#include "apps/editors/testing/editor_session.h"
#include "apps/editors/testing/screenshots.h"
#include "apps/editors/testing/widget_lookup.h"
#include "apps/logoeditor/logo_editing_dialog.h"
#include "apps/logoeditor/logo_list_window.h"
#include "apps/logoeditor/logo_place.h"
#include "apps/logoeditor/logo_texts.h"
#include "apps/logoeditor/tests/test_bitmaps.h"
#include "base/install_folders.h"
#include "operations/sd_card.h"
#include "operations/store_logos.h"
#include "platform/ini_profile.h"
#include "platform/testing/scoped_variable.h"
#include "storedb/help_manuals.h"
#include "tests/programs/program_remote.h"
#include "tests/programs/suite_program.h"

using tk73editortest::EditorSession;
using tk73editortest::kRegister;
using tk73logo::LogoEditingDialog;
using tk73logo::LogoListWindow;
using tk73logo::ReceiptImage;
using tk73logotest::dotsOfBitmap;
using tk73logotest::dotsOfText;
using tk73logotest::windowsBitmap;
using tk73test::InteractionKind;
using tk73test::TempEnvironment;

namespace {

constexpr int kKR301 = 301;
constexpr int kShopLogo = 1;  // row of "Shop logo", file 31, 256 x 64 dots
constexpr int kShopLogoFile = 31;

// A 64 x 32 picture, black in its left half and along its top quarter.
QColor twoTone(int x, int y) {
    return x < 32 || y < 8 ? Qt::black : Qt::white;
}

// Its dots in the shop logo: scaled twice to 128 x 64, centred between 64 and 192.
std::string twoToneDots() {
    std::string dots;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) {
            dots += x >= 64 && x < 192 && (x < 128 || y < 16) ? '1' : '0';
        }
        dots += '\n';
    }
    return dots;
}

// The same picture mirrored left to right, and so its dots.
QColor mirroredTwoTone(int x, int y) {
    return twoTone(63 - x, y);
}

std::string mirroredTwoToneDots() {
    std::string dots;
    for (const QString& row :
         QString::fromStdString(twoToneDots()).split('\n', Qt::SkipEmptyParts)) {
        std::string line = row.toStdString();
        std::reverse(line.begin(), line.end());
        dots += line + '\n';
    }
    return dots;
}

// A colour photograph of sorts: hues running across, light running down, a dark disc.
QColor photo(int x, int y) {
    const int dx = x - 150;
    const int dy = y - 100;
    if (dx * dx + dy * dy < 50 * 50) {
        return QColor(40, 20, 90);
    }
    return QColor::fromHsv(x * 359 / 300, 200, 80 + y * 175 / 200);
}

}  // namespace

class LogoEditorTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<EditorSession> session_;

    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string path = session_->environment.path("pictures/" + name);
        TempEnvironment::writeFile(path, bytes);
        return path;
    }
    std::unique_ptr<LogoListWindow> openList() const {
        auto window = std::make_unique<LogoListWindow>(session_->context);
        return window->Open() == 1 ? std::move(window) : nullptr;
    }
    // Chooses the picture on the row's editing page; the page, or null when it did not take it.
    std::unique_ptr<LogoEditingDialog> choose(LogoListWindow& window, int row,
                                              const std::string& picture) const {
        std::unique_ptr<LogoEditingDialog> page = window.EditingPage(row);
        session_->script.choosePath(picture);
        return page->ChooseBitmap() ? std::move(page) : nullptr;
    }
    std::string definition() const { return session_->store.paths(kRegister).definitionFile; }
    std::string card() const { return session_->environment.path("media/CARD"); }
    void answerCard() {
        std::filesystem::create_directories(card());
        qputenv("TK73_MEDIA_FOLDERS",
                QByteArray::fromStdString(session_->environment.path("media")));
        session_->script.handleDialog("SdCard", [this](tk73::DialogRequest& request) {
            tk73ops::SdCardChoice& choice = static_cast<tk73ops::SdCardRequest&>(request).choice;
            const auto& folders = choice.folders();
            const auto found = std::find(folders.begin(), folders.end(), card());
            const int index =
                found == folders.end() ? -1 : static_cast<int>(found - folders.begin());
            return choice.accept(index, "caption") ? tk73::Button::Ok : tk73::Button::Cancel;
        });
    }
    std::string lastMessage() const {
        const auto texts = session_->script.textsOf(InteractionKind::Message);
        return texts.empty() ? std::string() : texts.back();
    }

  private slots:
    void init() {
        session_ = std::make_unique<EditorSession>(kKR301);
        QVERIFY2(session_->ready(), session_->store.error().c_str());
    }
    void cleanup() {
        session_.reset();
        qunsetenv("TK73_MEDIA_FOLDERS");
    }

    void theListShowsTheLogosTheModelDefines() {
        auto window = openList();
        QVERIFY(window != nullptr);
        const auto& entries = window->Entries();
        QCOMPARE(entries.size(), size_t{3});
        QCOMPARE(entries[0].name, std::string("Receipt header logo"));
        QCOMPARE(tk73logo::sizeText(entries[0]), std::string("384 x 48 dot"));
        QCOMPARE(entries[1].name, std::string("Shop logo"));
        // The third has no name of its own.
        QCOMPARE(entries[2].name, std::string("Graphic Logo 3"));
        QCOMPARE(tk73logo::sizeText(entries[2]), std::string("160 x 40 dot"));

        // A file of two logos, one named; a file with no logos ends the list.
        QVERIFY(tk73_WritePrivateProfileStringA("G_LOGO", "FILE0030", "384,48,0,2,,Second",
                                                definition().c_str()) != 0);
        QVERIFY(tk73_WritePrivateProfileStringA("G_LOGO", "FILE0031", "256,64,0,0,Shop logo",
                                                definition().c_str()) != 0);
        window = openList();
        QVERIFY(window != nullptr);
        QCOMPARE(window->Entries().size(), size_t{2});
        QCOMPARE(window->Entries()[0].name, std::string("Graphic Logo 1"));
        QCOMPARE(window->Entries()[1].name, std::string("Second"));
        QCOMPARE(window->Entries()[1].slot, 1);

        // Fewer than five fields in the first file: nothing to list.
        QVERIFY(tk73_WritePrivateProfileStringA("G_LOGO", "FILE0030", "384,48,0,1",
                                                definition().c_str()) != 0);
        window = std::make_unique<LogoListWindow>(session_->context);
        QCOMPARE(window->Open(), 0);
        QCOMPARE(lastMessage(), std::string("Failed to set the list control."));
    }

    void everyBitmapLayoutGivesTheSameScaledAndCentredDots() {
        auto window = openList();
        QVERIFY(window != nullptr);
        for (int bits : {1, 4, 8, 24, 32}) {
            for (bool topDown : {false, true}) {
                const std::string name = std::to_string(bits) + (topDown ? "t.bmp" : "b.bmp");
                auto page = choose(*window, kShopLogo,
                                   file(name, windowsBitmap(64, 32, bits, topDown, twoTone)));
                QVERIFY2(page != nullptr, name.c_str());
                QCOMPARE(dotsOfBitmap(page->Preview()), twoToneDots());
            }
        }
    }

    void aColourPhotographBecomesTheLogoThePreviewShowed() {
        auto window = openList();
        QVERIFY(window != nullptr);
        const tk73logo::LogoPlace place =
            tk73logo::LogoPlace::activeStore(definition(), session_->context.MainteFolder());
        const std::string shipped =
            TempEnvironment::readFile(place.shippedSettingsFile(window->Entries()[kShopLogo]));
        QVERIFY(!shipped.empty());
        auto page = choose(*window, kShopLogo,
                           file("photo.BMP", windowsBitmap(300, 200, 24, false, photo)));
        QVERIFY(page != nullptr);
        const std::string byThreshold = dotsOfBitmap(page->Preview());
        page->findChild<QSlider*>("thresholdSlider")->setValue(200);
        const std::string darker = dotsOfBitmap(page->Preview());
        QVERIFY(std::count(darker.begin(), darker.end(), '1') >
                std::count(byThreshold.begin(), byThreshold.end(), '1'));
        page->findChild<QRadioButton*>("dither")->setChecked(true);
        const std::string dithered = dotsOfBitmap(page->Preview());
        QVERIFY(dithered != darker && dithered != byThreshold);
        window->Apply(kShopLogo, *page);
        QVERIFY(window->Convert());

        // The register's file holds the previewed dots; so does the store's bitmap.
        QCOMPARE(dotsOfText(session_->store.mainte(kRegister, kShopLogoFile)), dithered);
        const tk73logo::LogoEntry& entry = window->Entries()[kShopLogo];
        const std::string stored = TempEnvironment::readFile(
            tk73ops::StoreLogoFolder(session_->store.storeNo()) + "/FILE0031.031");
        QCOMPARE(dotsOfBitmap(stored), dithered);
        // The settings are kept for the next time with the store's data, beside its definition
        // copy, the shipped ones with them; the installation's stay as they were.
        QCOMPARE(TempEnvironment::readFile(place.shippedSettingsFile(entry)), shipped);
        QCOMPARE(std::filesystem::path(place.settingsFile(entry)).parent_path(),
                 std::filesystem::path(definition()).parent_path());
        QCOMPARE(place.settingsInForce(entry), place.settingsFile(entry));
        const tk73logo::PrintImage kept = tk73logo::PrintImage::read(place.settingsInForce(entry));
        QVERIFY(kept.dither);
        QCOMPARE(kept.threshold, 200);
        char name[64] = {};
        tk73_GetPrivateProfileStringA("LOGO", "NAME", "", name, sizeof name,
                                      place.settingsFile(entry).c_str());
        QCOMPARE(std::string(name), std::string("Shop logo"));

        // To the card, then again with the overwrite refused.
        answerCard();
        window->SaveToCard(kShopLogo);
        QCOMPARE(lastMessage(), std::string("Succeeded in save."));
        const std::string onCard = card() + "/KELVO/LOGO/FILE0031.031";
        QCOMPARE(dotsOfBitmap(TempEnvironment::readFile(onCard)), dithered);
        answerCard();
        session_->script.pressButton(tk73::Button::No);
        std::filesystem::remove(onCard);
        TempEnvironment::writeFile(onCard, "old");
        window->SaveToCard(kShopLogo);
        QCOMPARE(session_->script.textsOf(InteractionKind::Question).back(),
                 std::string("Do you want to overwrite graphic logo?"));
        QCOMPARE(TempEnvironment::readFile(onCard), std::string("old"));

        // Another program reads the card's bitmap with the same size and dots.
        answerCard();
        session_->script.pressButton(tk73::Button::Yes);
        window->SaveToCard(kShopLogo);
        QProcess python;
        python.start("/usr/bin/python3",
                     {"-c",
                      "import sys\nfrom PIL import Image\n"
                      "i = Image.open(sys.argv[1]).convert('L')\n"
                      "print(i.size[0], i.size[1])\n"
                      "for y in range(i.size[1]):\n"
                      "    print(''.join('1' if i.getpixel((x, y)) < 128 else '0'"
                      " for x in range(i.size[0])))\n",
                      QString::fromStdString(onCard)});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(python.readAllStandardOutput().toStdString(), "256 64\n" + dithered);
    }

    void theEditingPageShowsTheLogoAsTheStoreHoldsIt() {
        auto window = openList();
        QVERIFY(window != nullptr);
        auto page =
            choose(*window, kShopLogo, file("two.bmp", windowsBitmap(64, 32, 8, false, twoTone)));
        QVERIFY(page != nullptr);
        window->Apply(kShopLogo, *page);
        QVERIFY(window->Convert());
        page.reset();

        // Opened again, with no bitmap chosen: the logo as it is now, the header logo too.
        window = openList();
        QVERIFY(window != nullptr);
        page = window->EditingPage(kShopLogo);
        QCOMPARE(dotsOfBitmap(page->Current()), twoToneDots());
        QVERIFY(page->Preview().empty());
        QCOMPARE(page->findChild<QLabel*>("pictureSize")->text(),
                 QStringLiteral("The logo as it is now"));
        QStringList problems = tk73editortest::screenshotPages(*page, "logo-editing-current");
        const QImage shown = page->findChild<QLabel*>("preview")->grab().toImage();
        int black = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                black += qGray(shown.pixel(x, y)) < 64 ? 1 : 0;
            }
        }
        // The black dots of the picture, each a square of pixels, and none else.
        const std::string dots = twoToneDots();
        const int scale = 512 / 256;
        QCOMPARE(black,
                 static_cast<int>(std::count(dots.begin(), dots.end(), '1')) * scale * scale);
        page.reset();
        page = window->EditingPage(0);
        QVERIFY(!page->Current().empty());
        QCOMPARE(dotsOfBitmap(page->Current()), dotsOfText(session_->store.mainte(kRegister, 30)));
        page.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void theOfficialReceiptImagesAreConvertedLikeTheLogoAndKept() {
        auto window = openList();
        QVERIFY(window != nullptr);
        const std::string logo = file("logo.bmp", windowsBitmap(64, 32, 24, false, twoTone));
        auto page = choose(*window, kShopLogo, logo);
        QVERIFY(page != nullptr);

        // Chosen as the logo is: a ".png" is refused and the picker opens again.
        const std::string company = file("company.bmp", windowsBitmap(64, 32, 1, true, twoTone));
        session_->script.choosePath(file("company.png", "png"));
        session_->script.choosePath(company);
        QVERIFY(page->ChooseReceiptImage(ReceiptImage::Company));
        QCOMPARE(lastMessage(), std::string("Please choose a BMP file."));
        QCOMPARE(page->findChild<QLineEdit*>("companyImage")->text().toStdString(), company);
        // A damaged bitmap is not taken.
        const std::string whole = windowsBitmap(64, 32, 24, false, twoTone);
        session_->script.choosePath(file("cut.bmp", whole.substr(0, whole.size() / 2)));
        QVERIFY(!page->ChooseReceiptImage(ReceiptImage::Address));
        QCOMPARE(lastMessage(), std::string("Failed to read the bitmap file."));
        QVERIFY(page->findChild<QLineEdit*>("addressImage")->text().isEmpty());
        const std::string address =
            file("address.bmp", windowsBitmap(64, 32, 8, false, mirroredTwoTone));
        session_->script.choosePath(address);
        QVERIFY(page->ChooseReceiptImage(ReceiptImage::Address));
        window->Apply(kShopLogo, *page);
        QVERIFY(window->Convert());

        // Both lie in the store's logo folder beside the logo, at its size in its dots.
        const std::string folder = tk73ops::StoreLogoFolder(session_->store.storeNo());
        QCOMPARE(dotsOfBitmap(TempEnvironment::readFile(folder + "/CMPY0031.BMP")), twoToneDots());
        QCOMPARE(dotsOfBitmap(TempEnvironment::readFile(folder + "/ADDR0031.BMP")),
                 mirroredTwoToneDots());
        const tk73logo::LogoPlace place =
            tk73logo::LogoPlace::activeStore(definition(), session_->context.MainteFolder());
        const std::string settings = place.settingsFile(window->Entries()[kShopLogo]);
        char kept[TK73_MAX_PATH] = {};
        tk73_GetPrivateProfileStringA("PRINT", "COMPANY_IMAGE", "", kept, sizeof kept,
                                      settings.c_str());
        QCOMPARE(std::string(kept), company);

        // The next editing page shows them. A chosen image gone before OK stops the
        // conversion before anything is written.
        page.reset();  // before the window that holds it
        window = openList();
        page = choose(*window, kShopLogo, logo);
        QVERIFY(page != nullptr);
        QCOMPARE(page->findChild<QLineEdit*>("addressImage")->text().toStdString(), address);
        window->Apply(kShopLogo, *page);
        const std::string before = session_->store.mainte(kRegister, kShopLogoFile);
        std::filesystem::remove(address);
        QVERIFY(!window->Convert());
        QCOMPARE(lastMessage(), std::string("A image source file is not found."));
        QCOMPARE(session_->store.mainte(kRegister, kShopLogoFile), before);
        QVERIFY(std::filesystem::exists(folder + "/ADDR0031.BMP"));

        // Cleared, it leaves the store's logo folder and the settings.
        page->ClearReceiptImage(ReceiptImage::Address);
        window->Apply(kShopLogo, *page);
        QVERIFY(window->Convert());
        QVERIFY(!std::filesystem::exists(folder + "/ADDR0031.BMP"));
        QVERIFY(std::filesystem::exists(folder + "/CMPY0031.BMP"));
        QCOMPARE(tk73logo::PrintImage::read(settings).addressImage, std::string());
        QCOMPARE(tk73logo::PrintImage::read(settings).companyImage, company);
    }

    void helpOnTheEditingPageShowsTheUserGuide() {
        auto window = openList();
        QVERIFY(window != nullptr);
        std::unique_ptr<LogoEditingDialog> page = window->EditingPage(kShopLogo);
        page->show();
        // No program can be started for the PDF guide: the suite shows its HTML edition.
        const std::string missing = session_->environment.path("no-viewer");
        tk73test::ScopedVariable opener("TK73_OPENER", missing.c_str());
        tk73editortest::buttonIn(page.get(), "Help")->click();
        auto* manual = page->findChild<QTextBrowser*>();
        QVERIFY(manual != nullptr);
        QCOMPARE(manual->window()->windowTitle(),
                 QStringLiteral("Register setting tool - user guide"));
        manual->window()->close();
        // Without it the user is told.
        QVERIFY(std::filesystem::remove(tk73store::manualPath("TK73TOOL.htm")));
        tk73editortest::buttonIn(page.get(), "Help")->click();
        QCOMPARE(lastMessage(), std::string("Can not show help."));
        page->close();
    }

    void eachFailureTellsItsMessage() {
        auto window = openList();
        QVERIFY(window != nullptr);
        const std::string before = session_->store.mainte(kRegister, kShopLogoFile);
        const std::string good = file("good.bmp", windowsBitmap(64, 32, 8, false, twoTone));

        // A ".png" is refused and the picker opens again, where the user cancels.
        std::unique_ptr<LogoEditingDialog> page = window->EditingPage(kShopLogo);
        session_->script.choosePath(file("logo.png", "png"));
        session_->script.choosePath(std::nullopt);
        QVERIFY(!page->ChooseBitmap());
        QCOMPARE(lastMessage(), std::string("Please choose a BMP file."));

        // A bitmap cut short.
        const std::string whole = windowsBitmap(64, 32, 24, false, twoTone);
        QVERIFY(choose(*window, kShopLogo, file("cut.bmp", whole.substr(0, whole.size() / 2))) ==
                nullptr);
        QCOMPARE(lastMessage(), std::string("Failed to read the bitmap file."));

        // The library is not there.
        window->UseLibrary(tk73logo::LogoLibrary("nowhere/LogoConv.dll"));
        QVERIFY(choose(*window, kShopLogo, good) == nullptr);
        QCOMPARE(lastMessage(), std::string("Failed to load nowhere/LogoConv.dll."));
        window->UseLibrary(tk73logo::LogoLibrary());

        // No work file: a file stands where the suite's temporary folder belongs.
        char folder[TK73_MAX_PATH] = {};
        QCOMPARE(AecrbsGetTK73TempPath(folder), 1);
        const std::string temp = std::filesystem::path(folder).parent_path();  // no separator
        std::filesystem::remove_all(temp);
        TempEnvironment::writeFile(temp, "x");
        QVERIFY(choose(*window, kShopLogo, good) == nullptr);
        QVERIFY(lastMessage().rfind("Failed to create a work file.(", 0) == 0);
        std::filesystem::remove(temp);

        // A logo width the register cannot print.
        QVERIFY(tk73_WritePrivateProfileStringA("G_LOGO", "FILE0031", "250,64,0,1,Shop logo",
                                                definition().c_str()) != 0);
        auto odd = openList();
        QVERIFY(choose(*odd, kShopLogo, good) == nullptr);
        QCOMPARE(lastMessage(), std::string("Failed to convert Graphic logo."));
        QVERIFY(tk73_WritePrivateProfileStringA("G_LOGO", "FILE0031", "256,64,0,1,Shop logo",
                                                definition().c_str()) != 0);

        // Nothing chosen, then a chosen bitmap gone before OK.
        QVERIFY(!window->Convert());
        QCOMPARE(lastMessage(), std::string("A image source file is not found."));
        const std::string gone = file("gone.bmp", windowsBitmap(64, 32, 8, false, twoTone));
        page = choose(*window, kShopLogo, gone);
        QVERIFY(page != nullptr);
        window->Apply(kShopLogo, *page);
        std::filesystem::remove(gone);
        QVERIFY(!window->Convert());
        QCOMPARE(lastMessage(), std::string("A image source file is not found."));
        QCOMPARE(session_->store.mainte(kRegister, kShopLogoFile), before);

        // The store's logo folder cannot be made.
        page = choose(*window, kShopLogo, good);
        window->Apply(kShopLogo, *page);
        const std::string logoFolder = tk73ops::StoreLogoFolder(session_->store.storeNo());
        std::filesystem::remove_all(logoFolder);
        TempEnvironment::writeFile(logoFolder, "x");
        QVERIFY(!window->Convert());
        QCOMPARE(lastMessage(), std::string("Failed to copy a bmp file."));

        // The card's logo folder cannot be made: a file holds its place.
        answerCard();
        TempEnvironment::writeFile(card() + "/KELVO", "x");
        window->SaveToCard(kShopLogo);
        QCOMPARE(lastMessage(), std::string("Failed to Open SD."));
    }

    void theWindowsShowEveryControlWhole() {
        auto window = openList();
        QVERIFY(window != nullptr);
        QStringList problems = tk73editortest::screenshotPages(*window, "logo-list");
        auto page =
            choose(*window, kShopLogo, file("photo.bmp", windowsBitmap(300, 200, 24, true, photo)));
        QVERIFY(page != nullptr);
        QCOMPARE(page->findChild<QLabel*>("pictureSize")->text(),
                 QStringLiteral("Picture: 300 x 200"));
        problems << tk73editortest::screenshotPages(*page, "logo-editing");
        page->close();
        window->close();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void saveToSdCardInTheProgramWritesTheRegistersLogoToTheCard() {
        std::filesystem::create_directories(card());
        qputenv("TK73_MEDIA_FOLDERS",
                QByteArray::fromStdString(session_->environment.path("media")));
        const tk73test::AgentEnvironment agents(session_->environment.path("agents"));
        tk73test::SuiteProgram program(EDITOR_PROGRAM, "/GP");
        tk73test::ProgramRemote editor(agents, program.pid());
        const std::string list = tk73logo::logoText(tk73logo::LogoText::ListTitle);
        QVERIFY2(editor.awaitWidget(list, "#logos"), editor.lastError().c_str());
        QVERIFY(editor.act({"row", list, "#logos", std::to_string(kShopLogo)}));
        QVERIFY(editor.act({"click", list, "#saveToCard"}));
        QVERIFY2(editor.awaitWindow("@CSdCardDlg"), editor.lastError().c_str());
        QCOMPARE(editor.text("@CSdCardDlg", "#cardFolders"), card());
        QVERIFY(editor.act({"click", "@CSdCardDlg", "QPushButton:OK"}));
        QVERIFY2(editor.answerMessage("Succeeded in save.", "OK"), editor.lastError().c_str());
        // The logo as the register's file holds it, now on the card.
        QCOMPARE(dotsOfBitmap(TempEnvironment::readFile(card() + "/KELVO/LOGO/FILE0031.031")),
                 dotsOfText(session_->store.mainte(kRegister, kShopLogoFile)));
    }

    void theProgramEndsAtOnceWithoutAFlag() {
        QProcess program;
        program.start(EDITOR_PROGRAM, {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
    }
};

QTEST_MAIN(LogoEditorTest)
#include "logo_editor_test.moc"
