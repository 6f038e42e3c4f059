#include "apps/editors/framework/window_handover.h"

#include "base/registry_settings.h"

namespace tk73editor {

namespace {

constexpr const char* kMainWindow = "MAINHWND";
constexpr const char* kCurrentWindow = "CURRENTHWND";

void writeWindow(const char* name, uint32_t handle) {
    AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, name, &handle);
}

uint32_t readWindow(const char* name) {
    uint32_t handle = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &handle, name);
    return handle;
}

}  // namespace

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
    writeWindow(kCurrentWindow, tk73::ownWindowHandle());
}

void WindowHandover::End() {
    if (!running_) {
        return;
    }
    running_ = false;
    endpoint_.reset();
    if (readWindow(kCurrentWindow) == tk73::ownWindowHandle()) {
        writeWindow(kCurrentWindow, 0);
    }
    if (const uint32_t shell = readWindow(kMainWindow); shell != 0) {
        tk73::raiseWindow(shell);
    }
}

}  // namespace tk73editor
