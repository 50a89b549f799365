#pragma once

namespace lettrino {

// Dialog templates.
enum TemplateId {
    IDD_ABOUT = 103,
    IDD_LETTRINO = 102,
    IDD_QUIT_GAME = 107,
    IDD_START_GAME = 129,
};

// The command the main dialog posts to itself to load the dictionary once it is up.
constexpr int ID_LOAD_DICTIONARY = 1000;

// Controls of the main dialog. Exit is the dialog's OK command.
enum MainControlId {
    IDC_FIND_WORDS_LABEL = 1001,
    IDC_PUZZLE_WORD = 1002,
    IDC_LETTER_CUBES_GROUP = 1003,
    IDC_WORD_GROUP = 1004,
    IDC_WORD = 1005,
    IDC_ADD_WORD = 1006,
    IDC_CLEAR = 1007,
    IDC_AVERAGE_SCORE = 1008,
    IDC_GAME_SCORE = 1009,
    IDC_FOUND_LIST = 1010,
    IDC_CUBE1 = 1011,  // cubes 1 to 16 are IDC_CUBE1 to IDC_CUBE1 + 15
    IDC_START_GAME = 1030,
    IDC_QUIT_GAME = 1031,
    IDC_HELP_CONTENTS = 1032,
    IDC_ABOUT = 1033,
};

constexpr int kCubeCount = 16;

// Controls of the small dialogs; "Close" is each one's OK command.
enum SmallDialogControlId {
    IDC_START_MESSAGE = 1101,
    IDC_FOUND_HEADING = 1102,
    IDC_QUIT_FOUND_LIST = 1103,
    IDC_MISSED_HEADING = 1104,
    IDC_MISSED_LIST = 1105,
    IDC_ABOUT_TEXT = 1106,
    IDC_ABOUT_ICON = 1107,
};

}  // namespace lettrino
