cmake_minimum_required(VERSION 3.25)
# Fails when a source file of a folder includes a header of a folder it may not include.
# Called by the build before each folder's library is compiled:
#   cmake -DFOLDER=<folder> -DALLOWED=<folder;folder...> -DFILES=<file;file...> -DSTAMP=<file>
#         -P CheckLayering.cmake
# Includes are written "folder/file.h"; a name without a folder is one of the RFC interface
# headers, which belong to rfc.
set(violations "")
foreach(file IN LISTS FILES)
    file(STRINGS "${file}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]*)\".*$" "\\1" header "${line}")
        if(header MATCHES "^([^/]+)/")
            set(owner "${CMAKE_MATCH_1}")
        else()
            set(owner "rfc")
        endif()
        if(NOT owner IN_LIST ALLOWED)
            string(APPEND violations "\n  ${file}: ${header} (${FOLDER} may include ${ALLOWED})")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes against the layering of src/${FOLDER}:${violations}")
endif()
file(TOUCH "${STAMP}")
