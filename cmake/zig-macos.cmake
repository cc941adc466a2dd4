# Cross-compiles for macOS with Zig's clang, its libc++ and its macOS headers:
# KV_ZIG_TARGET is x86_64-macos.11.0 or aarch64-macos.11.0, and KV_ZIG_RUNTIME
# the folder holding Zig's libc++.a, libc++abi.a and libcompiler_rt.a for it.
# The extension links as cmake/zig-macos-link.cmake says.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KV_ZIG_RUNTIME)
set(CMAKE_SYSTEM_NAME Darwin)
include(${CMAKE_CURRENT_LIST_DIR}/zig-common.cmake)
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_DIR}/zig-macos-link.cmake)
