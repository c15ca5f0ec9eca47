# Compiler settings shared by every target of the project, collected in one interface target.
add_library(trevalunda_options INTERFACE)
target_compile_features(trevalunda_options INTERFACE cxx_std_20)

if(MSVC)
    # The static C runtime for every target: the sensor then needs no Visual C++
    # redistributable, and the libraries and tests linked with it use the same runtime.
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    target_compile_options(trevalunda_options INTERFACE /W4 /permissive- /utf-8)
    if(TREVALUNDA_WARNINGS_AS_ERRORS)
        target_compile_options(trevalunda_options INTERFACE /WX)
    endif()
else()
    target_compile_options(trevalunda_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
        -Wformat=2 -Wimplicit-fallthrough)
    if(TREVALUNDA_WARNINGS_AS_ERRORS)
        target_compile_options(trevalunda_options INTERFACE -Werror)
    endif()
    # GCC 12 and 13 report overlapping copies inside std::string's own code at -O2 and above
    # (GCC bug 105329); the warning says nothing about the project's code there.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 14)
        target_compile_options(trevalunda_options INTERFACE -Wno-restrict)
    endif()
endif()

if(TREVALUNDA_SANITIZE)
    target_compile_options(trevalunda_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(trevalunda_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build: every library with libFuzzer's coverage and the sanitizers, so that the fuzz
# targets find faults anywhere in the code they drive.
if(TREVALUNDA_FUZZ_TARGETS)
    target_compile_options(trevalunda_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(trevalunda_options INTERFACE -fsanitize=address,undefined)
endif()

# Release builds carry the C++ runtime inside the executable, so that the sensor needs nothing
# beyond what the operating system ships (with MSVC every target does, see above).
function(trevalunda_link_runtime_statically target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    elseif(NOT TREVALUNDA_SANITIZE)
        target_link_options(${target} PRIVATE
            $<$<CONFIG:Release,MinSizeRel,RelWithDebInfo>:-static-libgcc -static-libstdc++>)
    endif()
endfunction()

# A Windows program that takes file names expands the wildcards in its arguments itself
# ("check *.P00"), since cmd.exe leaves that to the program where a POSIX shell does it: the
# C runtime's start-up code does so when the program is linked with its globbing object. A
# pattern that matches nothing stays as it is.
function(trevalunda_expand_wildcards target)
    if(MINGW)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=CRT_glob.o
            OUTPUT_VARIABLE globbing OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${globbing}" OR NOT EXISTS "${globbing}")
            message(FATAL_ERROR "MinGW-w64's CRT_glob.o not found: ${globbing}")
        endif()
        target_link_options(${target} PRIVATE "${globbing}")
    elseif(MSVC)
        target_link_options(${target} PRIVATE setargv.obj)
    endif()
endfunction()
