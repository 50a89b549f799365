# The release artifacts, made by CMake's `package` target:
#   Lettrino-<version>-setup.tar.gz  the product folder (build/product/: setup, its
#                                    SETUP.INI and the game's files) under one top folder
#   lettrino_<version>_<arch>.deb     the word game laid out as Debian lays out games
# Each artifact is one install component (media, game), and cmake/PackageGenerator.cmake
# installs only that component for its generator, so neither carries the other's files.
# The version is project()'s.

# What a distributor sets first: the AppStream ID, the web address and the
# maintainer below are this project's placeholders, e.g.
#   cmake -DLETTRINO_APP_ID=org.example.lettrino -DLETTRINO_WEBSITE=https://... \
#         -DLETTRINO_MAINTAINER="Name <address>"

# The day the version named in project() was released: the metainfo, the manual page
# and the package's changelog give it.
set(LETTRINO_RELEASE_DATE "2026-12-08")
set(LETTRINO_APP_ID "org.example.lettrino" CACHE STRING
    "The game's AppStream component ID, a reverse domain name")
set(LETTRINO_WEBSITE "https://example.org/lettrino" CACHE STRING
    "The game's web page; the metainfo's screenshots lie below it")

set(CPACK_PACKAGE_NAME "lettrino")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word game of finding words in a long word's letters")
set(CPACK_PACKAGE_HOMEPAGE_URL "${LETTRINO_WEBSITE}")
set(CPACK_GENERATOR "TGZ;DEB")
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/PackageGenerator.cmake")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(LETTRINO_MAINTAINER "Lettrino developers <lettrino@example.org>" CACHE STRING
    "The package's maintainer, as Debian's Maintainer field gives it")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LETTRINO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lettrino draws a long word from its dictionary and puts its letters on a grid
of letter cubes. Find the shorter dictionary words hidden in those letters by
typing or by clicking the cubes; quitting a game shows the words found, the
words missed and the score.
.
Words the dictionary lacks can be added; they are saved in each player's own
copy of the dictionary.")

# Installed trees must not depend on the umask of whoever builds them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# --- the installation media -------------------------------------------------------
install(DIRECTORY ${CMAKE_BINARY_DIR}/product/ DESTINATION . USE_SOURCE_PERMISSIONS
        COMPONENT media EXCLUDE_FROM_ALL)
# The media's programs lose their debugging symbols as the package's do; the product
# folder in the build keeps them for debugging.
install(CODE "
    foreach(program IN ITEMS setup setup-windows.so Lettrino)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()" COMPONENT media EXCLUDE_FROM_ALL)

# --- the word game, Debian's layout for games --------------------------------------
set(LETTRINO_INSTALLED_DICTIONARY "/usr/${LETTRINO_INSTALL_GAMEDATADIR}/Lettrino.txt")
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_dir})
# The changelog's date is the release date's, not the day of the build.
execute_process(COMMAND date -R -u -d "${LETTRINO_RELEASE_DATE}"
                OUTPUT_VARIABLE LETTRINO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)

configure_file(${PROJECT_SOURCE_DIR}/packaging/lettrino.metainfo.xml.in
               ${packaging_dir}/${LETTRINO_APP_ID}.metainfo.xml @ONLY)
# The copyright file is machine-readable: a licence's text is indented by one space
# and its empty lines are a lone dot. The project's licence starts after its title,
# copyright line and the empty line between, which the Files paragraph gives.
function(lettrino_licence_paragraph file skip_lines out)
    set(skip)
    if(skip_lines GREATER 0)
        set(skip -e "1,${skip_lines}d")
    endif()
    execute_process(COMMAND sed ${skip} -e "s/^[[:space:]]*$/./" -e "s/^/ /" ${file}
                    OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
lettrino_licence_paragraph(${PROJECT_SOURCE_DIR}/LICENSE 4 LETTRINO_LICENCE_TEXT)
lettrino_licence_paragraph(${PROJECT_SOURCE_DIR}/data/Lettrino.COPYING 0
                           LETTRINO_DICTIONARY_LICENCE_TEXT)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${packaging_dir}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/data/Lettrino.COPYING)
# Debian wants manual pages and changelogs compressed to the maximum, without a
# time stamp that would make every build differ.
foreach(page IN ITEMS Lettrino.6 changelog)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.in ${packaging_dir}/${page} @ONLY)
    execute_process(COMMAND gzip -9nc ${packaging_dir}/${page}
                    OUTPUT_FILE ${packaging_dir}/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS Lettrino RUNTIME DESTINATION ${LETTRINO_INSTALL_GAMESDIR} COMPONENT game)
install(FILES ${PROJECT_SOURCE_DIR}/data/Lettrino.txt ${PROJECT_SOURCE_DIR}/game/ui/Lettrino.HLP
        DESTINATION ${LETTRINO_INSTALL_GAMEDATADIR} COMPONENT game)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lettrino.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(DIRECTORY ${LETTRINO_ICON_THEME_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        COMPONENT game)
install(FILES ${packaging_dir}/${LETTRINO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
install(FILES ${packaging_dir}/Lettrino.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        COMPONENT game)
install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lettrino COMPONENT game)

include(CPack)
