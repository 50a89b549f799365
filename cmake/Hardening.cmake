# Debian's hardening flags, as dpkg-buildflags gives them with every hardening
# feature on: stack protector, fortified C library calls, format checks, read-only
# relocations bound at start. Only the hardening flags are taken: the optimisation
# level and debugging information stay the build type's.
# Instrumented builds keep their own flags, and a build without optimisation leaves
# out _FORTIFY_SOURCE, which needs it.
option(HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)
if(NOT HARDENING OR WIN32 OR SANITIZE OR FUZZ)
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: building without Debian's hardening flags")
    return()
endif()

function(lettrino_build_flags kind out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g.*|-O.*|-ffile-prefix-map=.*|-fdebug-prefix-map=.*)$")
    if(CMAKE_BUILD_TYPE STREQUAL "Debug" OR CMAKE_BUILD_TYPE STREQUAL "")
        list(FILTER flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
    endif()
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

lettrino_build_flags(CPPFLAGS hardening_cpp)
lettrino_build_flags(CXXFLAGS hardening_cxx)
lettrino_build_flags(LDFLAGS hardening_ld)
add_compile_options(${hardening_cpp} ${hardening_cxx})
add_link_options(${hardening_ld})
message(STATUS "Hardening flags: ${hardening_cpp} ${hardening_cxx} ${hardening_ld}")
