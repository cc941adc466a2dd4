# What the Zig cross toolchains share: KV_ZIG names the zig program and
# KV_ZIG_TARGET the target; Zig's clang compiles, LLVM's archiver writes no
# time stamps or owners, and pkg-config and find_* see the target's libraries
# only, in the third-party prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KV_ZIG KV_ZIG_TARGET)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${KV_ZIG_TARGET}")
set(CMAKE_C_COMPILER "${KV_ZIG}" cc -target ${KV_ZIG_TARGET})
set(CMAKE_CXX_COMPILER "${KV_ZIG}" c++ -target ${KV_ZIG_TARGET})
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
if(KV_THIRD_PARTY_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${KV_THIRD_PARTY_PREFIX}/lib/pkgconfig")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
