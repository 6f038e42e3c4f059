#pragma once
// Acting on a modal window from inside its own event loop: the test arms a probe before the call
// that shows the window; the probe waits until a modal widget of the wanted class is up and then
// runs the action on it (which must end the window, or let the code under test end it).

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace tk73test {

template <class Widget>
void whenModal(std::function<void(Widget*)> action, int timeoutMs = 10000) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
        const bool ready = widget != nullptr && widget->isVisible();
        if (!ready && clock->elapsed() < timeoutMs) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (ready) {
            action(widget);
        } else {
            qWarning("no modal window of the expected kind appeared");
        }
    });
    timer->start();
}

}  // namespace tk73test
