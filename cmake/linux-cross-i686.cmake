# Cross-compiles for Linux i686 with Debian's cross compiler.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(KV_CROSS_PREFIX i686-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross-common.cmake)
# SSE2 arithmetic, as the other builds and the release for this CPU compute
# (x87's wider intermediates would give other last digits).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
