# Cross-compiles for Linux armv7l with Debian's cross compiler.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(KV_CROSS_PREFIX arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
