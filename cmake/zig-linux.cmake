# Cross-compiles for Linux with Zig's clang against an old glibc, so the
# library loads on old distributions: KV_ZIG_TARGET is x86_64-linux-gnu.2.17,
# aarch64-linux-gnu.2.17, x86-linux-gnu.2.17 or arm-linux-gnueabihf.2.17. Zig
# links its own libc++ statically; the library needs no C++ runtime.
set(CMAKE_SYSTEM_NAME Linux)
include(${CMAKE_CURRENT_LIST_DIR}/zig-common.cmake)
if(KV_ZIG_TARGET MATCHES "^arm-")
  # Debian's armhf baseline (ARMv7-A, VFPv3-D16, no NEON) rather than Zig's,
  # which needs NEON.
  list(APPEND CMAKE_C_COMPILER -mcpu=generic+v7a+vfp3d16-neon-d32)
  list(APPEND CMAKE_CXX_COMPILER -mcpu=generic+v7a+vfp3d16-neon-d32)
endif()
