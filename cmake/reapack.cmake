# The ReaPack index of this version. scripts/release builds the target
# `reapack_index`, which writes it into the folder of the release files it
# made (KV_RELEASE_DIR) with the hash of each.
set(KV_REPOSITORY_URL "https://github.com/KELVARO/reaper_KELVARO_COBALT" CACHE STRING "The project's repository")
set(KV_RELEASE_DIR "${CMAKE_SOURCE_DIR}/release" CACHE PATH "The release files the index links, and the index")
add_custom_target(reapack_index
  COMMAND ${CMAKE_COMMAND} -DKV_NAME=${PROJECT_NAME} -DKV_VERSION=${PROJECT_VERSION} -DKV_AUTHOR=KELVARO
    "-DKV_LICENSE=MIT License"
    "-DKV_DESCRIPTION=KELVARO_COBALT: KV_ script functions for tracks, items, loudness, markers, strings and files"
    "-DKV_PLATFORMS=Linux x86-64, i686, aarch64 and armv7l (glibc 2.17 or later), Windows x64 and x86, macOS 11.0 or later (Intel and Apple silicon)"
    -DKV_REPOSITORY=${KV_REPOSITORY_URL} -DKV_URL=${KV_REPOSITORY_URL}/releases/download/v${PROJECT_VERSION}
    -DCHANGELOG=${CMAKE_SOURCE_DIR}/CHANGELOG.md -DTEMPLATE=${CMAKE_SOURCE_DIR}/packaging/index.xml.in
    -DRELEASE=${KV_RELEASE_DIR} -DOUTPUT=${KV_RELEASE_DIR}/index.xml -P ${CMAKE_CURRENT_LIST_DIR}/reapack_index.cmake
  VERBATIM)
