#pragma once

namespace lettrino {

// The word game's string table. Every text the game shows is looked up here by
// number; the numbers of the messages are part of the program's definition.
enum StringId {
    IDS_BACKUP_FAILED = 100,
    IDS_SAVE_CHANGES = 101,
    IDS_LOAD_FAILED = 102,
    IDS_START_GAME_TEXT = 103,
    IDS_ALREADY_ENTERED = 104,
    IDS_VALID_WORD = 105,
    IDS_FOUND_HEADING = 106,
    IDS_MISSED_HEADING = 107,
    IDS_GAME_SCORE = 108,
    IDS_AVERAGE_SCORE = 109,
    IDS_NO_PUZZLE = 110,

    // Window titles and control captions of the game's dialogs.
    IDS_MAIN_TITLE = 1000,
    IDS_CAPTION_FIND_WORDS = 1001,
    IDS_CAPTION_LETTER_CUBES = 1002,
    IDS_CAPTION_WORD = 1003,
    IDS_CAPTION_ADD_WORD = 1004,
    IDS_CAPTION_CLEAR = 1005,
    IDS_CAPTION_AVERAGE_SCORE = 1006,
    IDS_CAPTION_START_GAME = 1007,
    IDS_CAPTION_QUIT_GAME = 1008,
    IDS_CAPTION_HELP = 1009,
    IDS_CAPTION_ABOUT = 1010,
    IDS_CAPTION_EXIT = 1011,
    IDS_CAPTION_CLOSE = 1012,
    IDS_START_GAME_TITLE = 1013,
    IDS_QUIT_GAME_TITLE = 1014,
    IDS_ABOUT_TITLE = 1015,
    IDS_ABOUT_TEXT = 1016,

    // Names under which assistive technology announces controls without a text.
    IDS_NAME_EMPTY_CUBE = 1017,
    IDS_NAME_FOUND_LIST = 1018,
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadGameString(int id);

}  // namespace lettrino
