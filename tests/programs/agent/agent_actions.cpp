#include "tests/programs/agent/agent_actions.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

namespace tk73agent {

void later(std::function<void()> action) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(action),
                              Qt::QueuedConnection);
}

void press(QAbstractButton* button) {
    later([button = QPointer<QAbstractButton>(button)] {
        if (!button.isNull()) {
            button->click();
        }
    });
}

}  // namespace tk73agent
