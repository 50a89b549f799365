// Renders the word game's pencil icon to PNG files for a desktop icon theme, from
// the same drawing the game shows in its windows:
//
//   lettrino_icons <theme folder> <icon name>
//
// writes <theme folder>/<N>x<N>/apps/<icon name>.png for N = 16, 32, 48, 64, 128
// and 256. Runs on the offscreen platform, so the build needs no display.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "framework/qt/QtIcon.h"
#include "game/ui/PencilIcon.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        const QPixmap pixmap = framework::IconPixmap(lettrino::PencilIcon(), size);
        if (!QDir().mkpath(folder) || pixmap.width() != size || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
