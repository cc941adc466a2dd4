# Cross-compiles for Linux with Zig's clang against an old glibc, so the
# library loads on old distributions: KV_ZIG_TARGET is x86_64-linux-gnu.2.17
# or aarch64-linux-gnu.2.17. Zig links its own libc++ statically; the library
# needs no C++ runtime.
set(CMAKE_SYSTEM_NAME Linux)
include(${CMAKE_CURRENT_LIST_DIR}/zig-common.cmake)
