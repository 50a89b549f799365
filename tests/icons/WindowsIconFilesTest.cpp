// The Windows build takes the programs' icons from icon files kept with the sources;
// they must hold what the drawings make now, so that both systems show one icon.
#include <gtest/gtest.h>

#include <QFile>

#include "game/ui/PencilIcon.h"
#include "setup/ui/DiskIcon.h"
#include "setup/ui/QuestionIcon.h"
#include "tools/icons/IcoFile.h"
#include "tools/icons/WindowsIcons.h"

namespace {

struct CIconFileCase {
    const char* file;
    framework::CIcon (*icon)();
};

class WindowsIconFile : public testing::TestWithParam<CIconFileCase> {};

TEST_P(WindowsIconFile, HoldsWhatTheDrawingMakesNow) {
    QFile file(QStringLiteral(SOURCE_DIR "/") + QString::fromLatin1(GetParam().file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().file;
    EXPECT_TRUE(file.readAll() == IcoFileBytes(IconPictures(GetParam().icon())))
        << GetParam().file << " is out of date: build the target windows_icons_update";
}

INSTANTIATE_TEST_SUITE_P(
    Programs, WindowsIconFile,
    testing::Values(CIconFileCase{"game/ui/Lettrino.ico", lettrino::PencilIcon},
                    CIconFileCase{"setup/ui/setup.ico", setup::DiskIcon},
                    CIconFileCase{"setup/ui/Question.ico", setup::QuestionIcon}));

}  // namespace
