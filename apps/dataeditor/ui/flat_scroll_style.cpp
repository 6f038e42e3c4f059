#include "apps/dataeditor/ui/flat_scroll_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace tk73edit {

namespace {

QColor mean(const QColor& one, const QColor& other) {
    return QColor((one.red() + other.red()) / 2, (one.green() + other.green()) / 2,
                  (one.blue() + other.blue()) / 2);
}

}  // namespace

FlatScrollStyle::FlatScrollStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void FlatScrollStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element != CE_ScrollBarAddPage && element != CE_ScrollBarSubPage) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette& colors = option->palette;
    const bool pressed = (option->state & State_Sunken) != 0;
    painter->fillRect(option->rect, mean(pressed ? colors.shadow().color() : colors.light().color(),
                                         colors.button().color()));
}

}  // namespace tk73edit
