// render_icons <folder> <name> <size>...: draws the shell's application icon at each size into
// <folder>/<size>x<size>/apps/<name>.png, the layout of the desktop's hicolor icon theme.

#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

#include "apps/shell/picture_art.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icons <folder> <name> <size>...\n");
        return 2;
    }
    // The icon is drawn into images, which needs neither a screen nor a running application.
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0) {
            std::fprintf(stderr, "render_icons: \"%s\" is no size\n", argv[i]);
            return 2;
        }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(side);
        const QString file = apps + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(apps) || !tk73hub::applicationIconPicture(side).save(file, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", file.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
