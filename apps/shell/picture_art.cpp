#include "apps/shell/picture_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "apps/shell/art_palette.h"

namespace tk73hub {

namespace {

QPixmap canvas(QSize size, qreal dpr) {
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A cash register seen from the front, in a box of the given side whose top left is origin:
// the display on its post, the body with its keys, the drawer.
void drawRegister(QPainter& p, QPointF origin, qreal side, const QColor& body,
                  const QColor& detail) {
    const qreal u = side / 16.0;
    auto at = [&](qreal x, qreal y) { return origin + QPointF(x * u, y * u); };
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(at(9, 1), QSizeF(6 * u, 3.5 * u)), u * 0.6, u * 0.6);
    p.drawRect(QRectF(at(11.3, 4.5), QSizeF(1.4 * u, 2 * u)));
    p.drawRoundedRect(QRectF(at(1.5, 6.5), QSizeF(13 * u, 5.5 * u)), u, u);
    p.drawRoundedRect(QRectF(at(0.5, 12.5), QSizeF(15 * u, 3 * u)), u * 0.6, u * 0.6);
    p.setBrush(detail);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.drawRect(QRectF(at(3 + col * 2.2, 7.8 + row * 2), QSizeF(1.4 * u, 1.2 * u)));
        }
    }
    p.drawRect(QRectF(at(6, 13.6), QSizeF(4 * u, 0.8 * u)));
}

}  // namespace

QPixmap headerPicture(const QString& caption, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = canvas(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF band(0, 0, size.width(), size.height());
    QLinearGradient fill(band.topLeft(), band.topRight());
    fill.setColorAt(0.0, palette::kHeaderLeft);
    fill.setColorAt(1.0, palette::kHeaderRight);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(band, 5.0, 5.0);
    // A light tick at the left marks the start of the group.
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(QRectF(7, 6, 4, size.height() - 12.0), 2.0, 2.0);
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(palette::kWhite);
    p.drawText(band.adjusted(18, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    return pixmap;
}

QPixmap bannerPicture(const QString& title, const QString& subtitle, QSize size,
                      qreal devicePixelRatio) {
    QPixmap pixmap = canvas(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF band(0, 0, size.width(), size.height());
    QLinearGradient fill(band.topLeft(), band.bottomRight());
    fill.setColorAt(0.0, palette::kBannerLeft);
    fill.setColorAt(1.0, palette::kBannerRight);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(band, 10.0, 10.0);
    // Two soft circles give the band some depth without competing with the text.
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(band.right() - 30, band.top() + 10), 70, 70);
    p.drawEllipse(QPointF(band.right() - 10, band.bottom()), 45, 45);

    const qreal side = size.height() - 36.0;
    drawRegister(p, QPointF(18, 18), side, QColor(255, 255, 255, 230), palette::kBannerLeft);

    // The heading takes the largest size up to 20 pixels at which it fits on one line.
    const QRectF text = band.adjusted(side + 34, 16, -14, -12);
    QFont heading;
    heading.setBold(true);
    int pixels = 20;
    do {
        heading.setPixelSize(pixels);
    } while (QFontMetricsF(heading).horizontalAdvance(title) > text.width() && --pixels > 9);
    p.setFont(heading);
    p.setPen(palette::kWhite);
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
    QFont detail;
    detail.setPixelSize(13);
    p.setFont(detail);
    p.setPen(QColor(255, 255, 255, 200));
    const qreal below = QFontMetricsF(heading).height() + 4;
    p.drawText(text.adjusted(0, below, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               subtitle);
    return pixmap;
}

QPixmap groundPicture(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = canvas(size, devicePixelRatio);
    QPainter p(&pixmap);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0.0, palette::kGroundTop);
    fill.setColorAt(1.0, palette::kGroundBottom);
    p.fillRect(QRect(QPoint(0, 0), size), fill);
    return pixmap;
}

QIcon applicationIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(applicationIconPicture(16)));
    icon.addPixmap(QPixmap::fromImage(applicationIconPicture(32)));
    return icon;
}

QImage applicationIconPicture(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, side, side);
    fill.setColorAt(0.0, palette::kBannerRight);
    fill.setColorAt(1.0, palette::kBannerLeft);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, side, side), side / 5.0, side / 5.0);
    const qreal inset = side / 8.0;
    drawRegister(p, QPointF(inset, inset), side - 2 * inset, palette::kWhite, palette::kBannerLeft);
    return image;
}

}  // namespace tk73hub
