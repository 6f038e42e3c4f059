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
    QDir().mkpath(QFileInfo(pictureFile).path());
    if (!window.grab().save(pictureFile)) {
        problems << QStringLiteral("cannot save ") + pictureFile;
    }
    return problems;
}

}  // namespace tk73test
