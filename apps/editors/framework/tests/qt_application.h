#pragma once
// The application object the widget tests need, made once for the test program. It is always
// offscreen: a test never opens a window on the user's display.

#include <QApplication>

namespace tk73test {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "editor_framework_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

}  // namespace tk73test
