#pragma once
// A picture of a window for the guide, with numbered callouts: a round mark with its number
// beside each control the chapter explains, in the order given. A mark stands outside its
// control, inside the picture (the window on a white margin), on free space where there is
// some and never on a control's text (control_text_areas.h), joined to its control by a short
// line when it stands off.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace tk73guide {

// The places of the marks for the controls (rectangles in the window) in a picture of the
// size, clear of the text areas; a place is null where no mark fits beside its control.
QList<QPoint> calloutPlaces(const QList<QRect>& controls, const QList<QRect>& freeOf,
                            const QList<QRect>& textAreas, QSize picture);

// The circle of a mark at the place.
QRect calloutCircle(QPoint place);

// The first mark (from 0) whose circle covers one of the text areas, or -1.
int calloutOnText(const QList<QPoint>& places, const QList<QRect>& textAreas);

// Saves the window as NAME.png into the folder with the marks; false with the reason when a
// mark has no place clear of the window's text, or the file cannot be written.
bool saveCalloutPicture(QWidget* window, const QList<QWidget*>& marks, const QString& folder,
                        const QString& name, QString& problem);

}  // namespace tk73guide
