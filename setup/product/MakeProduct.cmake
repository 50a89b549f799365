# Lays out the product folder: the installer, its windows, its SETUP.INI and the word
# game's files.
# Run as a script (cmake -P) after the programs are built, with
#   PRODUCT_DIR   the folder to fill
#   SETUP_PROGRAM the built installer
#   SETUP_WINDOWS the built module of its windows, which it loads from its own folder
#                 (none on Windows, where the installer links them)
#   GAME_PROGRAM  the built word game
#   GAME_ICON     the game's icon as a picture, shipped named like the program so that
#                 the installer's launcher shows it (none on Windows, where the
#                 program carries its icon)
#   PROGRAM_SUFFIX the programs' file name extension: ".exe" on Windows, else empty
#   SOURCE_DIR    the source tree (shipped dictionary, help document, licence)
#   INI_TEMPLATE  SETUP.INI.in
# The required disk space written into SETUP.INI is computed from the files copied,
# so it can never drift from what the installer really copies.

file(MAKE_DIRECTORY ${PRODUCT_DIR})

# Each file of the product under the name SETUP.INI lists it by.
set(product_files
    "${GAME_PROGRAM}|Lettrino${PROGRAM_SUFFIX}"
    "${SOURCE_DIR}/data/Lettrino.txt|Lettrino.txt"
    "${SOURCE_DIR}/game/ui/Lettrino.HLP|Lettrino.HLP"
    "${SOURCE_DIR}/data/Lettrino.COPYING|Lettrino.COPYING"
)
if(GAME_ICON)
    list(APPEND product_files "${GAME_ICON}|Lettrino.png")
endif()
set(total 0)
foreach(entry IN LISTS product_files)
    string(REPLACE "|" ";" pair "${entry}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    file(COPY_FILE ${source} ${PRODUCT_DIR}/${name} ONLY_IF_DIFFERENT)
    file(SIZE ${source} size)
    math(EXPR total "${total} + ${size}")
endforeach()
file(COPY_FILE ${SETUP_PROGRAM} ${PRODUCT_DIR}/setup${PROGRAM_SUFFIX} ONLY_IF_DIFFERENT)
if(SETUP_WINDOWS)
    file(COPY_FILE ${SETUP_WINDOWS} ${PRODUCT_DIR}/setup-windows.so ONLY_IF_DIFFERENT)
endif()

# Adding words makes the game keep the previous dictionary as a backup beside it.
file(SIZE ${SOURCE_DIR}/data/Lettrino.txt dictionary_size)
math(EXPR REQUIRED_DISK_SPACE "${total} + ${dictionary_size}")
math(EXPR megabytes "(${REQUIRED_DISK_SPACE} + 1048575) / 1048576")
set(SPACE_TEXT "${megabytes} MB")

file(STRINGS ${SOURCE_DIR}/data/Lettrino.txt words)
list(LENGTH words WORD_COUNT)
# Thousands separated, as a reader expects a large count.
string(REGEX REPLACE "([0-9])([0-9][0-9][0-9])$" "\\1,\\2" WORD_COUNT "${WORD_COUNT}")

# Windows' own line ends where its editors open the file.
if(PROGRAM_SUFFIX STREQUAL ".exe")
    set(newlines WIN32)
else()
    set(newlines UNIX)
endif()
configure_file(${INI_TEMPLATE} ${PRODUCT_DIR}/SETUP.INI @ONLY NEWLINE_STYLE ${newlines})
