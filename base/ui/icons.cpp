#include "base/ui/icons.h"

#include <QApplication>
#include <QStyle>

namespace tk73 {

QIcon iconOf(MessageIcon icon, const QStyle* style) {
    switch (icon) {
        case MessageIcon::Information:
            return style->standardIcon(QStyle::SP_MessageBoxInformation);
        case MessageIcon::Question:
            return style->standardIcon(QStyle::SP_MessageBoxQuestion);
        case MessageIcon::Exclamation:
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        case MessageIcon::Error:
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        case MessageIcon::Application: {
            const QIcon own = QApplication::windowIcon();
            return own.isNull() ? style->standardIcon(QStyle::SP_ComputerIcon) : own;
        }
        case MessageIcon::None:
            break;
    }
    return QIcon();
}

}  // namespace tk73
