# Where an installation made by `cmake --install` (and so the Debian package) puts
# the word game: Debian's layout for games, the program in games/ and its read-only
# data in share/games/lettrino/. The game finds its data folder relative to its own
# folder, so the whole tree can be installed under any prefix.
include(GNUInstallDirs)

set(LETTRINO_INSTALL_GAMESDIR "games" CACHE STRING
    "Folder below the prefix for the word game's program")
set(LETTRINO_INSTALL_GAMEDATADIR "${CMAKE_INSTALL_DATADIR}/games/lettrino" CACHE STRING
    "Folder below the prefix for the word game's dictionary and help document")

# The data folder as the program sees it, from its own folder.
file(RELATIVE_PATH LETTRINO_DATA_FOLDER "/prefix/${LETTRINO_INSTALL_GAMESDIR}"
     "/prefix/${LETTRINO_INSTALL_GAMEDATADIR}")
