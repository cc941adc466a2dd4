#!/bin/sh
# check_kvhost_archive.sh ARCHIVE SCRIPT...: the headless host's release
# archive, unpacked into an empty folder, runs on its own. Its checksum
# matches; its programs and libraries need only glibc 2.17's libraries and
# name no folder of this checkout; every SCRIPT runs to a good end with the
# unpacked kvhost, from another empty folder (a Lua script with Lua 5.4 and
# 5.3). EMULATOR (an emulator's command and options) runs a foreign archive's
# programs; Python scripts then skip, as this machine's python3 cannot load
# its C library.
set -eu
archive=$(realpath "$1")
shift
tests=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$(dirname "$archive")" && sha256sum --quiet -c "$(basename "$archive").sha256")
mkdir "$scratch/unpacked" "$scratch/work"
tar -xzf "$archive" -C "$scratch/unpacked"
host=$scratch/unpacked/$(basename "$archive" .tar.gz)
echo "$(wc -c <"$archive") bytes, $(tar -tzf "$archive" | wc -l) entries: $(basename "$archive")"
for file in kvhost kvhost-lua5.3 kvhost-export-lua libkvhost.so extension/reaper_KELVARO_COBALT.so; do
  "$tests/check_old_linux.sh" "$host/$file"
  if grep -qF "$(dirname "$tests")" "$host/$file"; then echo "names the checkout: $file"; exit 1; fi
done

# run SCRIPT OPTIONS...: the unpacked kvhost runs SCRIPT, with no setting of
# this machine's Lua or Python search paths.
run() {
  script=$(realpath "$1")
  shift
  (cd "$scratch/work" && env -u LUA_PATH -u LUA_CPATH -u PYTHONPATH KVHOST_EMULATOR="${EMULATOR:-}" \
    ${EMULATOR:-} "$host/kvhost" "$@" "$script" >"$scratch/output" 2>&1) ||
    { cat "$scratch/output"; echo "the unpacked kvhost${*:+ $*} failed: $script"; exit 1; }
  echo "ran with the unpacked kvhost${*:+ $*}: $script"
}
for script; do
  case $script in
    *.py) if [ -n "${EMULATOR:-}" ]; then echo "skipped under an emulator: $script"; else run "$script"; fi ;;
    *) run "$script" && run "$script" --lua 5.3 ;;
  esac
done
