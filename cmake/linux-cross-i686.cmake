# Cross-compiles for Linux i686 with Debian's cross compiler.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(KV_CROSS_PREFIX i686-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
