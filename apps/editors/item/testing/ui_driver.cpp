#include "apps/editors/item/testing/ui_driver.h"

#include <QFormLayout>
#include <QLabel>
#include <QTest>

namespace tk73itemtest {

namespace {

QString withoutMnemonic(QString text) {
    return text.remove('&');
}

}  // namespace

void AnswerMessage(QMessageBox::StandardButton button, QList<SeenMessage>* seen) {
    OnModal<QMessageBox>([button, seen](QMessageBox* box) {
        const QMessageBox::StandardButton preset = box->defaultButton() != nullptr
                                                       ? box->standardButton(box->defaultButton())
                                                       : QMessageBox::NoButton;
        seen->append({box->text(), box->windowTitle(), box->icon(), preset});
        box->button(button)->click();
    });
}

QWidget* FormField(const QWidget* window, const QString& label) {
    for (const QFormLayout* form : window->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            const QLayoutItem* labelItem = form->itemAt(row, QFormLayout::LabelRole);
            const QLayoutItem* fieldItem = form->itemAt(row, QFormLayout::FieldRole);
            const auto* text =
                labelItem != nullptr ? qobject_cast<const QLabel*>(labelItem->widget()) : nullptr;
            if (text != nullptr && withoutMnemonic(text->text()) == label && fieldItem != nullptr) {
                // A row that holds a note beside its control hands the focus to the control.
                QWidget* field = fieldItem->widget();
                return field != nullptr && field->focusProxy() != nullptr ? field->focusProxy()
                                                                          : field;
            }
        }
    }
    return nullptr;
}

QPushButton* ButtonOf(const QWidget* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (withoutMnemonic(button->text()) == text) {
            return button;
        }
    }
    return nullptr;
}

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

}  // namespace tk73itemtest
