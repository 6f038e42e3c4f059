#include "base/ui/busy_spinner.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace tk73 {

BusySpinner::BusySpinner(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kDots;
        update();
    });
}

void BusySpinner::start() {
    timer_.start();
}

void BusySpinner::stop() {
    timer_.stop();
}

QSize BusySpinner::sizeHint() const {
    return QSize(72, 36);
}

void BusySpinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::min(width(), height()) * 0.36;
    const double dot = std::max(1.5, radius * 0.22);
    QColor colour = palette().color(QPalette::WindowText);
    for (int i = 0; i < kDots; ++i) {
        // The dot at the current step is solid; the ones behind it fade out like a trail.
        const int behind = (step_ - i + kDots) % kDots;
        colour.setAlphaF(static_cast<float>(1.0 - 0.8 * behind / (kDots - 1)));
        painter.setBrush(colour);
        const double angle = 2 * std::numbers::pi * i / kDots;
        painter.drawEllipse(centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle)),
                            dot, dot);
    }
}

}  // namespace tk73
