# Fails when a Windows program or library imports a DLL that not every Windows installation
# has, such as the MinGW runtime (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll) or
# Visual C++'s redistributable runtime (VCRUNTIME140.dll, MSVCP140.dll).
#   cmake -DOBJDUMP=<objdump for the target> "-DFILES=<file;...>"
#         ["-DCOMPANIONS=<file name>=<companion file name>;..."] -P CheckWindowsImports.cmake
#
# Allowed are the system's own libraries: the kernel and its API sets (api-ms-win-*), the C
# runtimes that are part of Windows (msvcrt.dll, and the Universal C Runtime ucrtbase.dll with
# its api-ms-win-crt-* sets since Windows 10), and the system's user, security and shell
# libraries. Beyond these, a file may import exactly the companions that COMPANIONS names for
# its file name: libraries of the project that are installed beside it.
cmake_minimum_required(VERSION 3.25)

set(allowed_imports
    kernel32.dll kernelbase.dll ntdll.dll msvcrt.dll ucrtbase.dll
    user32.dll advapi32.dll shell32.dll ole32.dll ws2_32.dll bcrypt.dll)

if(NOT OBJDUMP OR NOT FILES)
    message(FATAL_ERROR "Usage: cmake -DOBJDUMP=... -DFILES=... -P CheckWindowsImports.cmake")
endif()

# The companions a file of this name may import, in lower case.
function(companions_of file result)
    get_filename_component(name "${file}" NAME)
    string(TOLOWER "${name}" name)
    set(allowed "")
    foreach(pair IN LISTS COMPANIONS)
        string(TOLOWER "${pair}" pair)
        if(pair MATCHES "^([^=]+)=(.+)$" AND CMAKE_MATCH_1 STREQUAL name)
            list(APPEND allowed "${CMAKE_MATCH_2}")
        endif()
    endforeach()
    set(${result} ${allowed} PARENT_SCOPE)
endfunction()

set(failures "")
foreach(file IN LISTS FILES)
    companions_of("${file}" companions)
    execute_process(COMMAND "${OBJDUMP}" -p "${file}"
        OUTPUT_VARIABLE dump ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} -p ${file} failed: ${errors}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    if(NOT imports)
        message(FATAL_ERROR "${file}: no import table found")
    endif()
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: " "" dll "${import}")
        string(STRIP "${dll}" dll)
        string(TOLOWER "${dll}" lower)
        if(lower IN_LIST allowed_imports OR lower MATCHES "^api-ms-win-")
            message(STATUS "${file}: imports ${dll}")
        elseif(lower IN_LIST companions)
            message(STATUS "${file}: imports its companion ${dll}")
        else()
            string(APPEND failures "\n  ${file} imports ${dll}")
        endif()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "DLLs that Windows does not ship:${failures}")
endif()
