#include "apps/editors/testing/screenshots.h"

#include <QDialog>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>

#include "tests/ui_checks/rendered_window.h"

namespace tk73editortest {

namespace {

QStringList grabPage(QDialog& dialog, const QString& file) {
    QStringList problems;
    for (const QString& problem : tk73test::renderedProblems(dialog, file)) {
        problems << QFileInfo(file).fileName() + QStringLiteral(": ") + problem;
    }
    return problems;
}

}  // namespace

QStringList screenshotPages(QDialog& dialog, const std::string& name) {
    const QString base = QStringLiteral(TK73_SCREENSHOT_DIR "/") + QString::fromStdString(name);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        return {QStringLiteral("the dialog is not shown")};
    }
    // The first tab control is the page set's; pages inside pages are grabbed with their page.
    auto* tabs = dialog.findChild<QTabWidget*>();
    if (tabs == nullptr || tabs->count() < 2) {
        return grabPage(dialog, base + QStringLiteral(".png"));
    }
    QStringList problems;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
        problems << grabPage(dialog, base + QStringLiteral("-%1.png").arg(page + 1));
    }
    tabs->setCurrentIndex(0);
    return problems;
}

}  // namespace tk73editortest
