// Writes the programs' icons as Windows icon files, from the same drawings the
// programs show on Linux:
//
//   windows_icons <Lettrino.ico> <setup.ico> <Question.ico>
//
// The Windows build takes them into the programs' resources. They are kept with the
// sources, since that build has no toolkit to draw them; a test checks that they are
// still what the drawings make.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "game/ui/PencilIcon.h"
#include "setup/ui/DiskIcon.h"
#include "setup/ui/QuestionIcon.h"
#include "tools/icons/IcoFile.h"
#include "tools/icons/WindowsIcons.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <Lettrino.ico> <setup.ico> <Question.ico>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const framework::CIcon icons[] = {lettrino::PencilIcon(), setup::DiskIcon(),
                                      setup::QuestionIcon()};
    for (int i = 0; i < 3; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i + 1]));
        const QByteArray bytes = IcoFileBytes(IconPictures(icons[i]));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
