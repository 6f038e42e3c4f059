#include "tests/ui_checks/rendered_window.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "tests/ui_checks/layout_problems.h"

namespace tk73test {

QStringList renderedProblems(QWidget& window, const QString& pictureFile) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {QStringLiteral("the window is not shown")};
    }
    QStringList problems = layoutProblems(&window);
    problems << strayWindows();
    const QString file = picturePath(pictureFile);
    QDir().mkpath(QFileInfo(file).path());
    if (!window.grab().save(file)) {
        problems << QStringLiteral("cannot save ") + file;
    }
    return problems;
}

QString picturePath(const QString& pictureFile) {
    const QString fontSet = qEnvironmentVariable("TK73_FONT_SET");
    if (fontSet.isEmpty()) {
        return pictureFile;
    }
    const QFileInfo file(pictureFile);
    return file.path() + QStringLiteral("/fonts-") + fontSet + QLatin1Char('/') + file.fileName();
}

}  // namespace tk73test
