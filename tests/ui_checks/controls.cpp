#include "tests/ui_checks/controls.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>

namespace tk73test {

namespace {

// Controls that only hold other controls.
bool isHolder(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QScrollArea*>(widget);
}

QString textOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        return box->title();
    }
    if (auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        return list->currentText();
    }
    return {};
}

}  // namespace

bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

bool isOwnWidget(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (isControl(up) && !isHolder(up)) {
            return false;
        }
    }
    return true;
}

QString nameOf(const QWidget* widget) {
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) {
        name += QStringLiteral(" (%1)").arg(widget->objectName());
    }
    return name + QStringLiteral(" \"%1\"").arg(textOf(widget).left(40));
}

}  // namespace tk73test
