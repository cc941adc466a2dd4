# Cross-compiles for Windows with Debian's mingw-w64 (POSIX threads model):
# KV_MINGW_PREFIX names the target's tools. Lua's headers and the libraries
# are the target's own, from the third-party prefix: never the machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KV_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(KV_THIRD_PARTY_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${KV_THIRD_PARTY_PREFIX}/lib/pkgconfig")
endif()
# Reproducible files: no link time in the PE header.
set(CMAKE_SHARED_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
