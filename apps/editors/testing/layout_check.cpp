#include "apps/editors/testing/layout_check.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

namespace tk73editortest {

namespace {

// The room an edit field needs beside its text: frame and margins.
constexpr int kFieldMargins = 8;

bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QTabBar*>(widget) ||
           (qobject_cast<const QGroupBox*>(widget) &&
            !static_cast<const QGroupBox*>(widget)->title().isEmpty());
}

// A control's own parts are not controls of the window: the widget sits inside a control other
// than a group.
bool insideControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (isControl(up) && !qobject_cast<const QGroupBox*>(up)) {
            return true;
        }
    }
    return false;
}

QString nameOf(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        text = box->title();
    } else if (auto* field = qobject_cast<const QLineEdit*>(widget)) {
        text = field->text();
    } else if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        text = list->currentText();
    }
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text.left(40));
}

// Whether the control shows its whole text in the room it has.
bool textFits(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText) {
            return label->height() >= label->heightForWidth(label->width());
        }
        const QSize text = label->fontMetrics().size(0, label->text());
        return text.width() <= label->contentsRect().width() &&
               text.height() <= label->contentsRect().height();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().isEmpty() || button->width() >= button->sizeHint().width();
    }
    if (auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->fontMetrics().horizontalAdvance(field->text()) + kFieldMargins <=
               field->width();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        return box->fontMetrics().horizontalAdvance(box->title()) + kFieldMargins <= box->width();
    }
    if (auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        return tabs->width() >= tabs->sizeHint().width();
    }
    return true;
}

}  // namespace

QStringList layoutProblems(const QWidget* window) {
    QStringList problems;
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !isControl(widget) || insideControl(widget, window)) {
            continue;
        }
        controls.append(widget);
        const QSize need = widget->minimumSizeHint();
        if (widget->width() < need.width() || widget->height() < need.height()) {
            problems << nameOf(widget) + QStringLiteral(" is smaller than it needs");
        }
        if (!textFits(widget)) {
            problems << nameOf(widget) + QStringLiteral(" cuts its text");
        }
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
            area && area->horizontalScrollBar()->isVisible()) {
            problems << nameOf(widget) + QStringLiteral(" is too narrow for its lines");
        }
        for (const QWidget* holder = widget->parentWidget(); holder != nullptr;
             holder = holder->parentWidget()) {
            const QRect place(widget->mapTo(holder, QPoint(0, 0)), widget->size());
            if (!holder->rect().contains(place)) {
                problems << nameOf(widget) + QStringLiteral(" is cut off by ") + nameOf(holder);
                break;
            }
            if (holder == window) {
                break;
            }
        }
    }
    for (int i = 0; i < controls.size(); ++i) {
        const QRect first(controls[i]->mapTo(window, QPoint(0, 0)), controls[i]->size());
        for (int j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i])) {
                continue;
            }
            const QRect second(controls[j]->mapTo(window, QPoint(0, 0)), controls[j]->size());
            if (first.intersects(second)) {
                problems << nameOf(controls[i]) + QStringLiteral(" overlaps ") +
                                nameOf(controls[j]);
            }
        }
    }
    return problems;
}

}  // namespace tk73editortest
