#include "guide/ui/callout_picture.h"

#include <QDir>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "guide/ui/control_text_areas.h"

namespace tk73guide {

namespace {

constexpr int kRadius = 11;
// The white margin around a window with callouts.
constexpr int kMargin = 2 * kRadius + 8;
// How far from its control a mark may stand, beyond touching it.
constexpr int kReach = 160;
// How far a mark first looks for free space, before it stands on a control beside its text.
constexpr int kNear = 30;
// Steps along the ring of places around a control.
constexpr int kStride = 3;
const QColor kMarkColour(0xc6, 0x28, 0x28);

bool clear(const QRect& box, const QList<QRect>& areas) {
    for (const QRect& area : areas) {
        if (box.intersects(area)) {
            return false;
        }
    }
    return true;
}

// The places on the ring at the distance around the control: beside its middle left and right
// first, then above and below, then the rest of the ring.
QList<QPoint> ring(const QRect& control, int distance) {
    const QRect around = control.adjusted(-distance, -distance, distance, distance);
    const QPoint middle = around.center();
    QList<QPoint> places = {{around.left(), middle.y()},
                            {around.right(), middle.y()},
                            {middle.x(), around.top()},
                            {middle.x(), around.bottom()}};
    for (int x = around.left(); x <= around.right(); x += kStride) {
        places += {{x, around.top()}, {x, around.bottom()}};
    }
    for (int y = around.top(); y <= around.bottom(); y += kStride) {
        places += {{around.left(), y}, {around.right(), y}};
    }
    return places;
}

QPoint placeFor(const QRect& control, const QList<QRect>& avoid, QSize picture, int reach) {
    const QRect inside = QRect(QPoint(0, 0), picture).adjusted(1, 1, -1, -1);
    for (int distance = kRadius + 2; distance <= kRadius + 2 + reach; distance += 2) {
        for (const QPoint& place : ring(control, distance)) {
            const QRect box = calloutCircle(place);
            if (inside.contains(box) && clear(box.adjusted(-2, -2, 2, 2), avoid)) {
                return place;
            }
        }
    }
    return {};
}

void drawMark(QPainter& painter, QPoint centre, const QRect& control, int number) {
    const QPoint nearest(qBound(control.left(), centre.x(), control.right()),
                         qBound(control.top(), centre.y(), control.bottom()));
    if (QLineF(centre, nearest).length() > kRadius + 1) {
        painter.setPen(QPen(kMarkColour, 2));
        painter.drawLine(QLineF(centre, nearest));
    }
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(kMarkColour);
    painter.drawEllipse(centre, kRadius, kRadius);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(calloutCircle(centre), Qt::AlignCenter, QString::number(number));
}

}  // namespace

QRect calloutCircle(QPoint place) {
    return QRect(place.x() - kRadius, place.y() - kRadius, 2 * kRadius + 1, 2 * kRadius + 1);
}

QList<QPoint> calloutPlaces(const QList<QRect>& controls, const QList<QRect>& freeOf,
                            const QList<QRect>& textAreas, QSize picture) {
    QList<QPoint> places;
    QList<QRect> marks;
    for (const QRect& control : controls) {
        // Free space near the control first, then a place clear of the text near it, then
        // the same farther off.
        QPoint place;
        for (const int reach : {kNear, kReach}) {
            for (const QList<QRect>& avoid : {freeOf + marks + controls, textAreas + marks}) {
                if (place.isNull()) {
                    place = placeFor(control, avoid, picture, reach);
                }
            }
        }
        places.append(place);
        if (!place.isNull()) {
            marks.append(calloutCircle(place));
        }
    }
    return places;
}

int calloutOnText(const QList<QPoint>& places, const QList<QRect>& textAreas) {
    for (int mark = 0; mark < places.size(); ++mark) {
        if (!clear(calloutCircle(places[mark]), textAreas)) {
            return mark;
        }
    }
    return -1;
}

bool saveCalloutPicture(QWidget* window, const QList<QWidget*>& marks, const QString& folder,
                        const QString& name, QString& problem) {
    QPixmap shot = window->grab();
    shot.setDevicePixelRatio(1);
    // With callouts, the window stands on a white margin where a mark finds room when the
    // window has none beside its control.
    const int margin = marks.isEmpty() ? 0 : kMargin;
    QPixmap picture(shot.size() + QSize(2 * margin, 2 * margin));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(margin, margin, shot);
    const QPoint offset(margin, margin);
    QList<QRect> controls, freeOf, textAreas;
    for (QWidget* mark : marks) {
        auto* group = qobject_cast<QGroupBox*>(mark);
        controls.append((group != nullptr && !group->title().isEmpty()
                             ? groupBoxTitle(group, window)
                             : QRect(mark->mapTo(window, QPoint(0, 0)), mark->size()))
                            .translated(offset));
    }
    for (const ControlArea& area : controlAreas(window)) {
        freeOf.append(area.whole.translated(offset));
        textAreas.append(area.text.translated(offset));
    }
    const QList<QPoint> places = calloutPlaces(controls, freeOf, textAreas, picture.size());
    for (int mark = 0; mark < places.size(); ++mark) {
        if (places[mark].isNull()) {
            problem = QStringLiteral("%1: no place for callout %2 beside %3 clear of the text")
                          .arg(name)
                          .arg(mark + 1)
                          .arg(marks[mark]->objectName());
            return false;
        }
    }
    if (const int covering = calloutOnText(places, textAreas); covering >= 0) {
        problem =
            QStringLiteral("%1: callout %2 covers a control's text").arg(name).arg(covering + 1);
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (margin > 0) {
        painter.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(offset, shot.size()).adjusted(-1, -1, 0, 0));
    }
    for (int mark = 0; mark < places.size(); ++mark) {
        drawMark(painter, places[mark], controls[mark], mark + 1);
    }
    painter.end();
    QDir().mkpath(folder);
    if (!picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))) {
        problem = QStringLiteral("cannot save the picture ") + name;
        return false;
    }
    return true;
}

}  // namespace tk73guide
