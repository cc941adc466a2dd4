# Cross-compiles for macOS with Zig's clang, its libc++ and its macOS headers:
# KV_ZIG names the zig program, KV_ZIG_TARGET the target (x86_64-macos.11.0,
# aarch64-macos.11.0) and KV_ZIG_RUNTIME the folder holding Zig's libc++.a,
# libc++abi.a and libcompiler_rt.a for it. The extension links as
# cmake/zig-macos-link.cmake says.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KV_ZIG KV_ZIG_TARGET KV_ZIG_RUNTIME)
set(CMAKE_SYSTEM_NAME Darwin)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${KV_ZIG_TARGET}")
set(CMAKE_C_COMPILER "${KV_ZIG}" cc -target ${KV_ZIG_TARGET})
set(CMAKE_CXX_COMPILER "${KV_ZIG}" c++ -target ${KV_ZIG_TARGET})
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_DIR}/zig-macos-link.cmake)
# pkg-config finds the target's libraries only, in the third-party prefix.
if(KV_THIRD_PARTY_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${KV_THIRD_PARTY_PREFIX}/lib/pkgconfig")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
