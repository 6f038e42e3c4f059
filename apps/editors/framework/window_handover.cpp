#include "apps/editors/framework/window_handover.h"

#include "base/window_values.h"

namespace tk73editor {

WindowHandover::WindowHandover(QWidget* window) : window_(window) {}

WindowHandover::~WindowHandover() {
    End();
}

void WindowHandover::Begin() {
    if (running_ || window_ == nullptr) {
        return;
    }
    running_ = true;
    QWidget* window = window_;
    // Runs on the endpoint's thread, which stops before the window goes (End), so the window
    // is there; the raise itself is posted to the window's thread.
    endpoint_ = std::make_unique<tk73::ActivationEndpoint>([window] {
        QMetaObject::invokeMethod(
            window,
            [window] {
                window->showNormal();
                window->raise();
                window->activateWindow();
            },
            Qt::QueuedConnection);
        return true;
    });
    tk73::setCurrentWindowValue(tk73::ownWindowHandle());
}

void WindowHandover::End() {
    if (!running_) {
        return;
    }
    running_ = false;
    endpoint_.reset();
    if (tk73::currentWindowValue() == tk73::ownWindowHandle()) {
        tk73::setCurrentWindowValue(0);
    }
    if (const uint32_t shell = tk73::mainWindowValue(); shell != 0) {
        tk73::raiseWindow(shell);
    }
}

}  // namespace tk73editor
