#pragma once
// The template part of the fixture: driving a modal dialog from inside its event loop.

#include <QApplication>
#include <QTimer>

namespace tk73edittest {

template <class Dialog>
bool withDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& work) {
    bool came = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible() && !came) {
            came = true;
            poll.stop();
            work(*dialog);
        }
    });
    poll.start();
    open();
    poll.stop();
    return came;
}

}  // namespace tk73edittest
