#include "storedb/ui/store_names_view.h"

#include <QPainter>

StoreNamesView::StoreNamesView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StoreNamesView::setText(const QString& text) {
    text_ = text;
    setToolTip(text);
    updateGeometry();
    update();
}

QSize StoreNamesView::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()};
}

QSize StoreNamesView::minimumSizeHint() const {
    return {0, fontMetrics().height()};
}

void StoreNamesView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, width()));
}
