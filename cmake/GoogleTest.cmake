# GoogleTest, in order of preference: the installed package, Debian's source tree, a pinned
# download (only on machines with internet access).
set(TREVALUNDA_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH
    "GoogleTest source tree used when no installed package is found")

if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest CONFIG QUIET)
endif()

if(GTest_FOUND)
    message(STATUS "GoogleTest: installed package ${GTest_DIR}")
elseif(EXISTS "${TREVALUNDA_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
    message(STATUS "GoogleTest: source tree ${TREVALUNDA_GOOGLETEST_SOURCE_DIR}")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)  # the static runtime, as everywhere
    add_subdirectory("${TREVALUNDA_GOOGLETEST_SOURCE_DIR}"
        "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
    message(STATUS "GoogleTest: pinned download")
    include(FetchContent)
    FetchContent_Declare(googletest
        URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz
        URL_HASH SHA256=8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7
        SYSTEM)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)  # the static runtime, as everywhere
    FetchContent_MakeAvailable(googletest)
endif()

if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

include(GoogleTest)
