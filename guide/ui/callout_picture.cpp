#include "guide/ui/callout_picture.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace tk73guide {

namespace {

constexpr int kRadius = 11;
const QColor kMarkColour(0xc6, 0x28, 0x28);

void drawMark(QPainter& painter, QPoint centre, int number) {
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(kMarkColour);
    painter.drawEllipse(centre, kRadius, kRadius);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QRect(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius),
                     Qt::AlignCenter, QString::number(number));
}

}  // namespace

bool saveCalloutPicture(QWidget* window, const QList<QWidget*>& marks, const QString& folder,
                        const QString& name) {
    QPixmap picture = window->grab();
    picture.setDevicePixelRatio(1);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    int number = 0;
    for (QWidget* mark : marks) {
        const QPoint corner = mark->mapTo(window, QPoint(0, 0));
        const QPoint centre(
            qBound(kRadius + 1, corner.x() + kRadius / 2, picture.width() - kRadius - 1),
            qBound(kRadius + 1, corner.y() + kRadius / 2, picture.height() - kRadius - 1));
        drawMark(painter, centre, ++number);
    }
    painter.end();
    QDir().mkpath(folder);
    return picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace tk73guide
