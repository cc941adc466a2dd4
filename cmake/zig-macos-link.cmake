# Zig 0.11's own Mach-O linker exports every hidden name and takes no
# exported-symbols list, so macOS libraries link through Debian's clang driver
# with LLVM's Mach-O linker, against Zig's runtime archives and libSystem stub.
# Programs (CMake's probes) still link with Zig.
find_program(KV_CLANG clang-14 REQUIRED)
find_program(KV_LD64_LLD ld64.lld-14 REQUIRED)
string(REGEX MATCH "^[^-]+" kv_arch "${KV_ZIG_TARGET}")
string(REGEX MATCH "[0-9][0-9.]*$" kv_macos_version "${KV_ZIG_TARGET}")
string(REPLACE aarch64 arm64 kv_arch ${kv_arch})
get_filename_component(kv_zig_dir ${KV_ZIG} DIRECTORY)
string(REGEX MATCH "^[0-9]+" kv_macos_major ${kv_macos_version})
set(kv_runtime ${KV_ZIG_RUNTIME}/libc++.a ${KV_ZIG_RUNTIME}/libc++abi.a ${KV_ZIG_RUNTIME}/libcompiler_rt.a
               ${kv_zig_dir}/lib/libc/darwin/libSystem.${kv_macos_major}.tbd)
list(JOIN kv_runtime " " kv_runtime)
# A linker version new enough that the driver passes -platform_version; -dead_strip
# drops what nothing exported reaches.
set(CMAKE_CXX_CREATE_SHARED_LIBRARY
    "${KV_CLANG} --target=${kv_arch}-apple-macos${kv_macos_version} -mlinker-version=609 -fuse-ld=${KV_LD64_LLD} -nostdlib <CMAKE_SHARED_LIBRARY_CREATE_CXX_FLAGS> -Wl,-dead_strip <LINK_FLAGS> -o <TARGET> <SONAME_FLAG> <TARGET_INSTALLNAME_DIR><TARGET_SONAME> <OBJECTS> <LINK_LIBRARIES> ${kv_runtime}")
# CMake takes the macOS version from the host, which has none, and so names
# the library by its build folder: by @rpath, as on a Mac.
set(CMAKE_SHARED_LIBRARY_RUNTIME_C_FLAG "-Wl,-rpath,")
