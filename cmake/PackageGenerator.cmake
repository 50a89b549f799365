# Read by cpack once per generator of CPACK_GENERATOR: each artifact installs its
# own component only.
list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 lettrino_build_dir)
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_PACKAGE_FILE_NAME "Lettrino-${CPACK_PACKAGE_VERSION}-setup")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${lettrino_build_dir};Lettrino;media;/")
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${lettrino_build_dir};Lettrino;game;/")
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
    # Debian ships programs without their debugging symbols.
    set(CPACK_STRIP_FILES ON)
endif()
