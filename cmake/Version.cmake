# The build's version, from the project's VERSION (semantic versioning), compiled into every
# program through one generated header: #include "base/version.h".
set(TREVALUNDA_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/src/base/version.h.in"
    "${TREVALUNDA_GENERATED_DIR}/base/version.h" @ONLY)

add_library(trevalunda_version INTERFACE)
target_include_directories(trevalunda_version INTERFACE "${TREVALUNDA_GENERATED_DIR}")
