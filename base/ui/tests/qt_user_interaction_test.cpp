#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <thread>

#include "base/ui/file_filter.h"
#include "base/ui/qt_user_interaction.h"
#include "base/ui/testing/modal_probe.h"
#include "base/ui/ui_text.h"
#include "tests/support/temp_environment.h"

using tk73::Button;
using tk73::Buttons;
using tk73::MessageIcon;

namespace {

struct StoreSelectRequest : tk73::DialogRequest {
    std::string_view dialogName() const override { return "StoreSelect"; }
    int store = 999;
};

// Types the name into the dialog's name field and accepts, again every few milliseconds while the
// dialog stays open: the folder listing, which the dialog loads in the background, may clear the
// field in between.
void typeAndAccept(QFileDialog* dialog, const QString& name) {
    auto attempt = [dialog, name] {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog*>(dialog)->accept();  // runs the file dialog's own accept
    };
    auto* retry = new QTimer(dialog);
    QObject::connect(retry, &QTimer::timeout, dialog, attempt);
    retry->start(20);
    attempt();
}

}  // namespace

class QtUserInteractionTest : public QObject {
    Q_OBJECT

  private slots:
    void messageShowsTextCaptionAndIcon() {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        tk73test::whenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(ui_.message("Backup failed.", "Database", MessageIcon::Error), Button::Ok);
        QCOMPARE(text, QStringLiteral("Backup failed."));
        QCOMPARE(title, QStringLiteral("Database"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttonCount, 1);
    }

    void questionOffersItsButtonsWithTheDefault() {
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QMessageBox::StandardButtons offered;
        tk73test::whenModal<QMessageBox>([&](QMessageBox* box) {
            defaultButton = box->standardButton(box->defaultButton());
            offered = box->standardButtons();
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(ui_.question("Save the changes?", "Shell", Buttons::YesNoCancel, Button::No,
                              MessageIcon::Exclamation),
                 Button::Yes);
        QCOMPARE(defaultButton, QMessageBox::No);
        QCOMPARE(offered, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }

    void questionClosedWithEscapeAnswersCancelOrNo() {
        auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
        tk73test::whenModal<QMessageBox>(escape);
        QCOMPARE(ui_.question("Go on?", "", Buttons::OkCancel, Button::Ok, MessageIcon::Question),
                 Button::Cancel);
        tk73test::whenModal<QMessageBox>(escape);
        QCOMPARE(ui_.question("Go on?", "", Buttons::YesNo, Button::Yes, MessageIcon::Question),
                 Button::No);
    }

    void fileTypesBecomeQtFilters() {
        QCOMPARE(tk73::qtFileFilter({{"ECR Auto PGM file", "*.092"}, {"All files", "*.*"}}),
                 QStringLiteral("ECR Auto PGM file (*.092);;All files (*)"));
        QCOMPARE(tk73::qtFileFilter({{"CSV file (*.csv)", "*.csv;*.txt"}}),
                 QStringLiteral("CSV file (*.csv *.txt)"));
        QCOMPARE(tk73::qtFileFilter({}), QString());
    }

    void openFilePicksAnExistingFile() {
        tk73test::TempEnvironment env;
        const std::string folder = env.path("documents");
        tk73test::TempEnvironment::writeFile(env.root() / "documents/ECR.092", "x");
        QString title;
        QStringList filters;
        tk73test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            typeAndAccept(dialog, QStringLiteral("ECR.092"));
        });
        const auto chosen = ui_.openFile(
            {.title = "Open archive", .types = {{"ECR Auto PGM file", "*.092"}}, .folder = folder});
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(folder + "/ECR.092"));
        QCOMPARE(title, QStringLiteral("Open archive"));
        QCOMPARE(filters, QStringList{QStringLiteral("ECR Auto PGM file (*.092)")});
    }

    void saveFileAddsTheDefaultExtensionAndCancelGivesNothing() {
        tk73test::TempEnvironment env;
        const std::string folder = env.path("documents");
        tk73test::whenModal<QFileDialog>(
            [](QFileDialog* dialog) { typeAndAccept(dialog, QStringLiteral("backup")); });
        const auto chosen = ui_.saveFile({.folder = folder, .defaultExtension = "092"});
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(folder + "/backup.092"));

        tk73test::whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(!ui_.saveFile({.folder = folder}).has_value());
    }

    void chooseFolderAnswersTheFolder() {
        tk73test::TempEnvironment env;
        tk73test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
            typeAndAccept(dialog, QString::fromStdString(env.path("documents")));
        });
        const auto chosen = ui_.chooseFolder("Backup folder", env.path(""));
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(env.path("documents")));
    }

    void namedDialogsGoToTheirRegisteredCode() {
        StoreSelectRequest request;
        // Nothing registered yet: a fault that names the dialog, never a silent Cancel.
        QString missing;
        tk73test::whenModal<QMessageBox>([&](QMessageBox* box) {
            missing = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(ui_.showDialog(request), Button::Cancel);
        QCOMPARE(missing, QStringLiteral("The dialog \"StoreSelect\" is missing in this program."));
        QVERIFY(ui_.dialogNames().empty());
        QWidget window;
        ui_.setParentWindow(&window);
        QWidget* parentSeen = nullptr;
        ui_.addDialog("StoreSelect", [&](tk73::DialogRequest& shown, QWidget* parent) {
            parentSeen = parent;
            static_cast<StoreSelectRequest&>(shown).store = 5;
            return Button::Ok;
        });
        QCOMPARE(ui_.showDialog(request), Button::Ok);
        QCOMPARE(ui_.dialogNames(), std::vector<std::string>{"StoreSelect"});
        QCOMPARE(request.store, 5);
        QCOMPARE(parentSeen, &window);
        ui_.setParentWindow(nullptr);
    }

    void progressOffTheInterfaceThreadRunsDirectly() {
        int result = 0;
        std::thread::id ranOn;
        std::thread caller([&] {
            result =
                ui_.runWithProgress("Database", "System Backup ...", MessageIcon::Application, [&] {
                    ranOn = std::this_thread::get_id();
                    return 5;
                });
            QVERIFY(ranOn == std::this_thread::get_id());
        });
        caller.join();
        QCOMPARE(result, 5);
    }

    void textsAreConvertedFromAndToTheCodePage() {
        // No code page in the machine hive: the installation's default, Windows-1252.
        tk73test::TempEnvironment env;
        const std::string bytes = "Caf\xE9 \x80";
        QCOMPARE(tk73::toQString(bytes), QStringLiteral("Caf\u00E9 \u20AC"));
        QCOMPARE(tk73::fromQString(tk73::toQString(bytes)), bytes);
        // A character the code page cannot hold comes back as "?", never as a cut byte.
        QCOMPARE(tk73::fromQString(QStringLiteral("\u65E5")), std::string("?"));
    }

  private:
    tk73::QtUserInteraction ui_;
};

QTEST_MAIN(QtUserInteractionTest)
#include "qt_user_interaction_test.moc"
