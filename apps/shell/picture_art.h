#pragma once
// The other pictures of the main window, drawn like the buttons: the group headers, the title
// banner, the window's ground and the application icon.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tk73hub {

// A group header: a band of the size with the caption on it.
QPixmap headerPicture(const QString& caption, QSize size, qreal devicePixelRatio);

// The title banner beside the file buttons: a register symbol, the product name on one line and
// the subtitle below it.
QPixmap bannerPicture(const QString& title, const QString& subtitle, QSize size,
                      qreal devicePixelRatio);

// The window's ground, a quiet top-to-bottom gradient.
QPixmap groundPicture(QSize size, qreal devicePixelRatio);

// The application icon in its two sizes, 16 x 16 and 32 x 32.
QIcon applicationIcon();

// The application icon drawn at one size, side x side pixels; the desktop's icon theme gets it
// at its usual sizes from here too, without a running application.
QImage applicationIconPicture(int side);

}  // namespace tk73hub
