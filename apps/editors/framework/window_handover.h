#pragma once
// The hand-over of the front between the shell and the editor it started. While the editor's
// window is open, "CURRENTHWND" names it, so that a second start of the shell brings the editor
// forward instead of the hidden shell; the editor answers raise requests through its activation
// endpoint. When the editor is done it clears "CURRENTHWND" and brings forward the window that
// "MAINHWND" names: the shell that waits for it.

#include <QPointer>
#include <QWidget>

#include <memory>

#include "platform/window_activation.h"

namespace tk73editor {

class WindowHandover {
  public:
    explicit WindowHandover(QWidget* window);
    // Ends the hand-over when it is still running.
    ~WindowHandover();
    WindowHandover(const WindowHandover&) = delete;
    WindowHandover& operator=(const WindowHandover&) = delete;

    // Starts answering raise requests and writes this program's window to "CURRENTHWND".
    void Begin();
    // Stops answering, writes 0 to "CURRENTHWND" unless it names another program's window by
    // now, and raises the window "MAINHWND" names when it is not 0. Does nothing unless begun.
    void End();

  private:
    QPointer<QWidget> window_;
    std::unique_ptr<tk73::ActivationEndpoint> endpoint_;
    bool running_ = false;
};

}  // namespace tk73editor
