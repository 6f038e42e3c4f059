#pragma once
// Driving the editor's windows as a user would, from inside their own event loops: a probe armed
// before the click that opens a modal window acts on that window once it is up.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace tk73itemtest {

// Runs the action on the next visible modal window of the class (checked every 10 ms, for at
// most ten seconds). The action ends the window; when it does not (a check in it failed and
// left it early), the window is cancelled, so that a failing test ends instead of waiting.
template <class Window>
void OnModal(std::function<void(Window*)> action) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
        const bool ready = window != nullptr && window->isVisible();
        if (!ready && ++*tries < 1000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (ready) {
            const QPointer<QDialog> dialog = dynamic_cast<QDialog*>(window);
            action(window);
            if (dialog != nullptr && dialog->isVisible()) {
                dialog->reject();
            }
        } else {
            qWarning("no modal window of the expected kind appeared");
        }
    });
    timer->start();
}

struct SeenMessage {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton preset = QMessageBox::NoButton;  // what Enter would press
};

// Answers the next message box with the button and notes what it said.
void AnswerMessage(QMessageBox::StandardButton button, QList<SeenMessage>* seen);

// The control in the row of the label in the window's forms; null when there is none.
QWidget* FormField(const QWidget* window, const QString& label);
// The push button with the text (its "&" ignored); null when there is none.
QPushButton* ButtonOf(const QWidget* window, const QString& text);
// Replaces the field's text by typing, as the user does.
void TypeInto(QLineEdit* field, const QString& text);

}  // namespace tk73itemtest
