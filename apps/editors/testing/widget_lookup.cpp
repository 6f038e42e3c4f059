#include "apps/editors/testing/widget_lookup.h"

#include <QTest>

namespace tk73editortest {

QAbstractButton* buttonIn(const QWidget* widget, const QString& text) {
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

tk73editor::PageItem* itemOf(const tk73editor::PageSetDialog& set, int menuNo, int itemNo,
                             int record) {
    for (const tk73editor::SettingPage* page : set.Pages()) {
        for (const auto& item : page->Items()) {
            if (item->MenuNo() == menuNo && item->ItemNo() == itemNo &&
                (record < 0 || item->Record() == record)) {
                return item.get();
            }
        }
    }
    return nullptr;
}

QAbstractButton* optionOf(tk73editor::PageItem* item, const QString& text) {
    return item != nullptr ? buttonIn(item->Control(), text) : nullptr;
}

void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    // Key by key with the character as the key's text, so that letters beyond ASCII type too.
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace tk73editortest
