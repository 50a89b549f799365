#include "game/ui/LettrinoLayout.h"

#include "game/engine/StringTable.h"
#include "game/ui/Resource.h"

namespace lettrino {

using namespace framework;
using K = ControlKind;

namespace {

constexpr const char* kFontFace = "System";
constexpr int kPointSize = 10;

constexpr unsigned kCube = StyleDisabled | StyleTabStop;
constexpr int Cube(int n) {
    return IDC_CUBE1 + n - 1;
}

// clang-format off
constexpr CControlTemplate kMainControls[] = {
    {K::Label,      IDC_FIND_WORDS_LABEL,   IDS_CAPTION_FIND_WORDS,    5,   4, 108,   8, StyleNone},
    {K::Label,      IDC_PUZZLE_WORD,        0,                         5,  16, 108,   8, StyleNone},
    {K::GroupBox,   IDC_LETTER_CUBES_GROUP, IDS_CAPTION_LETTER_CUBES,  5,  30,  96,  96, StyleNone},
    {K::PushButton, Cube(1),  0,  11,  44, 18, 16, kCube},
    {K::PushButton, Cube(2),  0,  33,  44, 18, 16, kCube},
    {K::PushButton, Cube(3),  0,  55,  44, 18, 16, kCube},
    {K::PushButton, Cube(4),  0,  77,  44, 18, 16, kCube},
    {K::PushButton, Cube(5),  0,  11,  64, 18, 16, kCube},
    {K::PushButton, Cube(6),  0,  33,  64, 18, 16, kCube},
    {K::PushButton, Cube(7),  0,  55,  64, 18, 16, kCube},
    {K::PushButton, Cube(8),  0,  77,  64, 18, 16, kCube},
    {K::PushButton, Cube(9),  0,  11,  84, 18, 16, kCube},
    {K::PushButton, Cube(10), 0,  33,  84, 18, 16, kCube},
    {K::PushButton, Cube(11), 0,  55,  84, 18, 16, kCube},
    {K::PushButton, Cube(12), 0,  77,  84, 18, 16, kCube},
    {K::PushButton, Cube(13), 0,  11, 104, 18, 16, kCube},
    {K::PushButton, Cube(14), 0,  33, 104, 18, 16, kCube},
    {K::PushButton, Cube(15), 0,  55, 104, 18, 16, kCube},
    {K::PushButton, Cube(16), 0,  77, 104, 18, 16, kCube},
    {K::GroupBox,   IDC_WORD_GROUP,         IDS_CAPTION_WORD,          5, 129,  96,  45, StyleNone},
    {K::Edit,       IDC_WORD,               0,                         8, 142,  90,  12,
        StyleDisabled | StyleBorder | StyleTabStop | StyleUpperCase | StyleAutoHScroll},
    {K::PushButton, IDC_ADD_WORD,           IDS_CAPTION_ADD_WORD,      8, 158,  62,  12,
        StyleDisabled | StyleTabStop | StyleDefaultButton},
    {K::PushButton, IDC_CLEAR,              IDS_CAPTION_CLEAR,        74, 158,  24,  12,
        StyleDisabled | StyleTabStop},
    {K::Label,      IDC_AVERAGE_SCORE,      IDS_CAPTION_AVERAGE_SCORE, 119, 4, 164,   9, StyleNone},
    {K::Label,      IDC_GAME_SCORE,         0,                       119,  16, 164,   9, StyleNone},
    {K::ListBox,    IDC_FOUND_LIST,         0,                       119,  34, 162, 140,
        StyleDisabled | StyleBorder | StyleTabStop | StyleSorted | StyleMultiColumn | StyleHScroll},
    {K::PushButton, IDC_START_GAME,         IDS_CAPTION_START_GAME,    5, 181,  43,  12, StyleTabStop},
    {K::PushButton, IDC_QUIT_GAME,          IDS_CAPTION_QUIT_GAME,    52, 181,  43,  12,
        StyleDisabled | StyleTabStop},
    {K::PushButton, IDC_HELP_CONTENTS,      IDS_CAPTION_HELP,        122, 181,  43,  12, StyleTabStop},
    {K::PushButton, IDC_ABOUT,              IDS_CAPTION_ABOUT,       169, 181,  43,  12, StyleTabStop},
    {K::PushButton, CommandOk,              IDS_CAPTION_EXIT,        238, 181,  43,  12, StyleTabStop},
};

constexpr CControlTemplate kStartGameControls[] = {
    {K::Label,      IDC_START_MESSAGE, 0,                  4,  6, 126, 42, StyleNone},
    {K::PushButton, CommandOk,         IDS_CAPTION_CLOSE, 51, 57,  32, 12,
        StyleTabStop | StyleDefaultButton},
};

constexpr unsigned kWordList =
    StyleBorder | StyleTabStop | StyleSorted | StyleMultiColumn | StyleHScroll;

constexpr CControlTemplate kQuitGameControls[] = {
    {K::Label,      IDC_FOUND_HEADING,   0,                   3,   4, 240,  8, StyleNone},
    {K::ListBox,    IDC_QUIT_FOUND_LIST, 0,                   3,  17, 240, 42, kWordList},
    {K::Label,      IDC_MISSED_HEADING,  0,                   3,  69, 240,  8, StyleNone},
    {K::ListBox,    IDC_MISSED_LIST,     0,                   3,  82, 240, 42, kWordList},
    {K::PushButton, CommandOk,           IDS_CAPTION_CLOSE, 104, 129,  38, 14,
        StyleTabStop | StyleDefaultButton},
};

constexpr CControlTemplate kAboutControls[] = {
    {K::Label,      IDC_ABOUT_TEXT, IDS_ABOUT_TEXT,      8,   7, 131, 56, StyleNone},
    {K::Icon,       IDC_ABOUT_ICON, 0,                 146,   7,  20, 20, StyleNone},
    {K::PushButton, CommandOk,      IDS_CAPTION_CLOSE,  35, 169,  29, 13,
        StyleTabStop | StyleDefaultButton},
};
// clang-format on

const CDialogTemplate kMainDialog = {
    IDD_LETTRINO,  IDS_MAIN_TITLE, 286, 197, kFontFace, kPointSize, DialogMinimizeBox,
    kMainControls, &LoadGameString};
const CDialogTemplate kStartGameDialog = {
    IDD_START_GAME,     IDS_START_GAME_TITLE, 134, 73, kFontFace, kPointSize, DialogStyleNone,
    kStartGameControls, &LoadGameString};
const CDialogTemplate kQuitGameDialog = {
    IDD_QUIT_GAME,     IDS_QUIT_GAME_TITLE, 246, 147, kFontFace, kPointSize, DialogStyleNone,
    kQuitGameControls, &LoadGameString};
const CDialogTemplate kAboutDialog = {
    IDD_ABOUT,      IDS_ABOUT_TITLE, 176, 186, kFontFace, kPointSize, DialogStyleNone,
    kAboutControls, &LoadGameString};

}  // namespace

const CDialogTemplate& MainDialogTemplate() {
    return kMainDialog;
}
const CDialogTemplate& StartGameDialogTemplate() {
    return kStartGameDialog;
}
const CDialogTemplate& QuitGameDialogTemplate() {
    return kQuitGameDialog;
}
const CDialogTemplate& AboutDialogTemplate() {
    return kAboutDialog;
}

}  // namespace lettrino
