# A Windows cross build runs its programs under Wine: the tests, their discovery and anything
# else CTest starts. Each build folder gets a Wine prefix of its own, made on first use and
# thrown away with the build folder; see wine-run.in.
if(NOT CMAKE_CROSSCOMPILING OR NOT WIN32 OR CMAKE_HOST_WIN32 OR CMAKE_CROSSCOMPILING_EMULATOR)
    return()
endif()

find_program(TREVALUNDA_WINE NAMES wine64 wine HINTS /usr/lib/wine /usr/lib64/wine
    DOC "Wine's loader for 64-bit Windows programs")
find_program(TREVALUNDA_WINESERVER NAMES wineserver64 wineserver HINTS /usr/lib/wine /usr/lib64/wine
    DOC "Wine's server")
find_program(TREVALUNDA_FLOCK NAMES flock DOC "flock(1), which serialises making the prefix")
if(NOT TREVALUNDA_WINE OR NOT TREVALUNDA_WINESERVER OR NOT TREVALUNDA_FLOCK)
    message(WARNING "Wine (Debian: wine64) or flock not found: the Windows programs build, but "
        "their tests cannot run here")
    return()
endif()

set(TREVALUNDA_WINE_PREFIX "${PROJECT_BINARY_DIR}/wineprefix")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${PROJECT_BINARY_DIR}/wine-run" @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run")
message(STATUS "Windows programs run under ${TREVALUNDA_WINE} in ${TREVALUNDA_WINE_PREFIX}")
