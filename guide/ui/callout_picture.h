#pragma once
// A picture of a window for the guide, with numbered callouts: a round mark with its number at
// the top left corner of each control the chapter explains, in the order given.

#include <QList>
#include <QString>

class QWidget;

namespace tk73guide {

// Saves the window as NAME.png into the folder; false when it cannot.
bool saveCalloutPicture(QWidget* window, const QList<QWidget*>& marks, const QString& folder,
                        const QString& name);

}  // namespace tk73guide
