# The ReaPack index of this version, written into the build folder at
# configure time; the `generated` target (docs/generator) copies it to the
# committed index.xml.
set(KV_RELEASES_URL "https://github.com/KELVARO/reaper_KELVARO_COBALT/releases/download"
    CACHE STRING "Where the release files of each version (v<version>/...) are downloaded from")
set(KV_NAME reaper_KELVARO_COBALT)
set(KV_VERSION ${PROJECT_VERSION})
set(KV_AUTHOR KELVARO)
set(KV_LICENSE "MIT License")
set(KV_DESCRIPTION "KELVARO_COBALT: KV_ script functions for tracks, items, loudness, markers, strings and files")
set(KV_URL "${KV_RELEASES_URL}/v${PROJECT_VERSION}")
set(CHANGELOG ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set(TEMPLATE ${CMAKE_SOURCE_DIR}/packaging/index.xml.in)
set(OUTPUT ${CMAKE_BINARY_DIR}/generated/index.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CHANGELOG} ${TEMPLATE})
include(${CMAKE_CURRENT_LIST_DIR}/reapack_index.cmake)
