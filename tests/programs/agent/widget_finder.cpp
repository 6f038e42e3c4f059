#include "tests/programs/agent/widget_finder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

namespace tk73agent {

namespace {

bool isClass(const QWidget* widget, const QString& name) {
    return widget->inherits(name.toLatin1().constData());
}

bool titled(const QWidget* window, const QString& title) {
    const QString shown = window->windowTitle();
    return shown == title || shown.endsWith(QStringLiteral(" - ") + title) ||
           shown.startsWith(title + QStringLiteral(" - "));
}

}  // namespace

QWidget* findWindow(const QString& selector) {
    const auto matches = [&selector](const QWidget* window) {
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
        return selector.startsWith('@') ? isClass(window, selector.mid(1))
                                        : titled(window, selector);
    };
    for (QWidget* preferred : {QApplication::activePopupWidget(), QApplication::activeModalWidget(),
                               QApplication::activeWindow()}) {
        if (matches(preferred)) {
            return preferred;
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (matches(window)) {
            return window;
        }
    }
    return nullptr;
}

QWidget* findWidget(QWidget* window, const QString& selector) {
    if (window == nullptr || selector == QStringLiteral("*")) {
        return window;
    }
    QString name = selector;
    int index = 0;
    static const QRegularExpression counted(QStringLiteral("^(.*)\\[(\\d+)\\]$"));
    if (const QRegularExpressionMatch match = counted.match(name); match.hasMatch()) {
        name = match.captured(1);
        index = match.captured(2).toInt();
    }
    const bool byName = name.startsWith('#');
    // The text follows the first colon that is not part of a class name's "::".
    static const QRegularExpression textColon(QStringLiteral("(?<!:):(?!:)"));
    const qsizetype colon = name.indexOf(textColon);
    const QString className = byName ? QString() : colon < 0 ? name : name.left(colon);
    const QString text = colon < 0 || byName ? QString() : name.mid(colon + 1);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const bool found =
            byName ? widget->objectName() == name.mid(1)
                   : isClass(widget, className) && (colon < 0 || widgetText(widget) == text);
        if (found && index-- == 0) {
            return widget;
        }
    }
    return nullptr;
}

QString widgetText(const QWidget* widget) {
    if (const auto* box = qobject_cast<const QMessageBox*>(widget)) {
        return box->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return QString(button->text()).remove('&');
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return QString(group->title()).remove('&');
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    return widget->isWindow() ? widget->windowTitle() : QString();
}

QStringList visibleWindows() {
    QStringList windows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            const auto* box = qobject_cast<const QMessageBox*>(window);
            windows << QString::fromLatin1(window->metaObject()->className()) + ':' +
                           window->windowTitle() +
                           (box != nullptr ? QStringLiteral(" \"") + box->text() + '"' : QString());
        }
    }
    return windows;
}

QWidget* shownWindow(const QString& title) {
    return findWindow(title);
}

QMessageBox* shownMessage() {
    return qobject_cast<QMessageBox*>(findWindow(QStringLiteral("@QMessageBox")));
}

QAbstractButton* buttonIn(const QWidget* widget, const QString& text) {
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        if (widgetText(button) == text || button->objectName() == text ||
            button->accessibleName() == text) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace tk73agent
