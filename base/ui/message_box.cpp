#include "base/ui/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "base/ui/icons.h"
#include "base/ui/ui_text.h"

namespace tk73 {

namespace {

struct ButtonPair {
    Button button;
    QMessageBox::StandardButton standard;
};

constexpr ButtonPair kButtons[] = {
    {Button::Ok, QMessageBox::Ok},         {Button::Cancel, QMessageBox::Cancel},
    {Button::Abort, QMessageBox::Abort},   {Button::Retry, QMessageBox::Retry},
    {Button::Ignore, QMessageBox::Ignore}, {Button::Yes, QMessageBox::Yes},
    {Button::No, QMessageBox::No},
};

QMessageBox::StandardButton standardOf(Button button) {
    for (const ButtonPair& pair : kButtons) {
        if (pair.button == button) {
            return pair.standard;
        }
    }
    return QMessageBox::NoButton;
}

Button buttonOf(QMessageBox::StandardButton standard) {
    for (const ButtonPair& pair : kButtons) {
        if (pair.standard == standard) {
            return pair.button;
        }
    }
    return Button::None;
}

QMessageBox::Icon boxIconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
        case MessageIcon::Application:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Button showMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                      Buttons buttons, Button defaultButton, MessageIcon icon) {
    QMessageBox box(boxIconOf(icon), toQString(caption), toQString(text), QMessageBox::NoButton,
                    parent);
    if (icon == MessageIcon::Application) {
        box.setIconPixmap(iconOf(icon, box.style()).pixmap(32, 32));
    }
    for (Button button : buttonsOf(buttons)) {
        box.addButton(standardOf(button));
    }
    box.setDefaultButton(standardOf(effectiveDefault(buttons, defaultButton)));
    box.setEscapeButton(box.button(standardOf(dismissButtonOf(buttons))));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    const Button answer = clicked ? buttonOf(box.standardButton(clicked)) : Button::None;
    return answer == Button::None ? dismissButtonOf(buttons) : answer;
}

}  // namespace tk73
