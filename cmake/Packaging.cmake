# The release package of the build, made by its "package" target (CPack):
#   cmake --build --preset windows --target package  ->  trevalunda-<version>-windows-x64.zip
#   cmake --build --preset release --target package  ->  trevalunda-<version>-linux-x64.tar.gz
# in the build folder. The package's top folder holds what goes into PRTG's
# "Custom Sensors\EXEXML" folder: the two programs, the settings example, the documentation,
# the change log and the licence, and in examples/ the example profiles and listings, where
# the sensor never reads them. Copying the folder's content over an installation therefore
# never replaces the installation's own settings, profiles or listings. The stand-in RFC
# libraries and the test programs are not installed.
#
# packaging/<platform>-<processor>.contents lists what each package holds; .ci/check-package
# compares the two.

if(WIN32)
    set(TREVALUNDA_PACKAGE_PLATFORM windows)
    set(package_generator ZIP)
    set(settings_newlines CRLF)  # for Notepad on older Windows versions
    set(TREVALUNDA_DEFAULT_RFC_LIBRARIES "librfc32.dll (the classic library) or sapnwrfc.dll")
    set(TREVALUNDA_EXAMPLE_RFC_LIBRARY "D:\\SAP\\nwrfcsdk\\lib\\sapnwrfc.dll")
    set(TREVALUNDA_LIBRARY_SEARCH
        "in the Windows system folder, never in the working folder or the folders of PATH")
else()
    string(TOLOWER "${CMAKE_SYSTEM_NAME}" TREVALUNDA_PACKAGE_PLATFORM)
    set(package_generator TGZ)
    set(settings_newlines LF)
    set(TREVALUNDA_DEFAULT_RFC_LIBRARIES "librfccm.so (the classic library) or libsapnwrfc.so")
    set(TREVALUNDA_EXAMPLE_RFC_LIBRARY "/opt/sap/nwrfcsdk/lib/libsapnwrfc.so")
    set(TREVALUNDA_LIBRARY_SEARCH
        "where the dynamic loader looks (LD_LIBRARY_PATH, the system's library folders)")
endif()
string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" processor)
if(processor MATCHES "^(x86_64|amd64|x64)$")
    set(processor x64)
endif()
set(TREVALUNDA_PACKAGE_NAME "trevalunda-${PROJECT_VERSION}-${TREVALUNDA_PACKAGE_PLATFORM}-${processor}")

# The settings example, with this platform's default RFC library and line ends. The tests
# check that the sensor takes it, and each of its defaults, as its own.
set(TREVALUNDA_SETTINGS_EXAMPLE "${PROJECT_BINARY_DIR}/packaging/trevalunda.ini.example")
configure_file("${PROJECT_SOURCE_DIR}/packaging/trevalunda.ini.example.in"
    "${TREVALUNDA_SETTINGS_EXAMPLE}" @ONLY NEWLINE_STYLE ${settings_newlines})

install(TARGETS trevalunda trevalunda-profile RUNTIME DESTINATION .)
install(FILES
    "${TREVALUNDA_SETTINGS_EXAMPLE}"
    "${PROJECT_SOURCE_DIR}/README.md"
    "${PROJECT_SOURCE_DIR}/CHANGELOG.md"
    "${PROJECT_SOURCE_DIR}/LICENSE"
    DESTINATION .)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs/" DESTINATION docs)
# Profiles hold stored passwords: on POSIX only their owner may read them.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/examples/installation/" DESTINATION examples
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE)

set(CPACK_GENERATOR ${package_generator})
set(CPACK_PACKAGE_NAME trevalunda)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "${TREVALUNDA_PACKAGE_NAME}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
