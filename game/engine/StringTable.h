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
};

// The text of `id`; an unknown id gives the empty text.
const char* LoadGameString(int id);

}  // namespace lettrino
