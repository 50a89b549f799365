#include "game/engine/StringTable.h"

#include "platform/StringTable.h"

namespace lettrino {

namespace {

constexpr platform::CStringEntry kStrings[] = {
    {IDS_BACKUP_FAILED, "Cannot save backup file \"%s\"."},
    {IDS_SAVE_CHANGES, "Save changes to dictionary?"},
    {IDS_LOAD_FAILED, "Cannot load dictionary file \"%s\"."},
    {IDS_START_GAME_TEXT, "Find words from the letters of:\n%s\n\nAt least %d words can be found."},
    {IDS_ALREADY_ENTERED, "\"%s\" already entered."},
    {IDS_VALID_WORD, "Is \"%s\" a valid word?"},
    {IDS_FOUND_HEADING, "&You found the following %d words:"},
    {IDS_MISSED_HEADING, "&In addition, you could have found the following %d words:"},
    {IDS_GAME_SCORE, "&Found %d words from a maximum of %d (%d%%):"},
    {IDS_AVERAGE_SCORE, "Average Score: %d%%\n"},
    {IDS_NO_PUZZLE,
     "No puzzle can be drawn from this dictionary: it needs a word of 8 to 16 letters from "
     "which 25 to 100 other dictionary words can be formed."},
    {IDS_MAIN_TITLE, "Lettrino"},
    {IDS_CAPTION_FIND_WORDS, "Find words from the letters of:"},
    {IDS_CAPTION_LETTER_CUBES, "Letter Cubes"},
    {IDS_CAPTION_WORD, "&Word"},
    {IDS_CAPTION_ADD_WORD, "Add Word to &List"},
    {IDS_CAPTION_CLEAR, "&Clear"},
    {IDS_CAPTION_AVERAGE_SCORE, "Average Score:"},
    {IDS_CAPTION_START_GAME, "&Start Game"},
    {IDS_CAPTION_QUIT_GAME, "&Quit Game"},
    {IDS_CAPTION_HELP, "&Help..."},
    {IDS_CAPTION_ABOUT, "&About..."},
    {IDS_CAPTION_EXIT, "E&xit"},
    {IDS_CAPTION_CLOSE, "&Close"},
    {IDS_START_GAME_TITLE, "Start Game"},
    {IDS_QUIT_GAME_TITLE, "Quit Game"},
    {IDS_ABOUT_TITLE, "About"},
    {IDS_ABOUT_TEXT, "Lettrino v. 1.00 for Windows 95, Windows 98, and NT"},
    {IDS_NAME_EMPTY_CUBE, "empty"},
    {IDS_NAME_FOUND_LIST, "Found words"},
};

}  // namespace

const char* LoadGameString(int id) {
    return platform::LookUpString(kStrings, id);
}

}  // namespace lettrino
