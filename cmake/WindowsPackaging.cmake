# The Windows release, made by CMake's `package` target:
#   Lettrino-<version>-setup-win64.zip  the product folder (build-windows/product/:
#                                       setup.exe, its SETUP.INI and the game's files)
#                                       under one top folder
# Its programs are stripped of their debugging symbols; the product folder in the
# build keeps them for debugging. Each program needs no DLL beyond Windows' own
# (tests/package/WindowsImports.cmake checks that).

set(CPACK_PACKAGE_NAME "Lettrino")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR "ZIP")
set(CPACK_PACKAGE_FILE_NAME "Lettrino-${PROJECT_VERSION}-setup-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

install(DIRECTORY ${CMAKE_BINARY_DIR}/product/ DESTINATION .)
install(CODE "
    foreach(program IN ITEMS setup.exe Lettrino.exe)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")

include(CPack)
