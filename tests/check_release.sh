#!/bin/sh
# The release folder holds every file the ReaPack index links to for the
# platforms built here, each matching its checksum; the libraries are
# stripped, name their separate debug file, and still export exactly our
# entry points.
set -eu
release=$1 index=$(realpath "$2") sources=$(realpath "$3")
tests=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$release"
files=$(python3 - "$index" <<'PY'
import sys, xml.etree.ElementTree as ET
for source in ET.parse(sys.argv[1]).getroot().iter("source"):
    if source.get("platform") in (None, "linux64", "win64"):
        print(source.text.rsplit("/", 1)[1])
PY
)
for file in $files; do
  sha256sum --quiet -c "$file.sha256"
done

# stripped TOOL_PREFIX FILE: no debug sections left, a link to FILE.debug that has them.
stripped() {
  sections=$("${1}objdump" -h "$2")
  if echo "$sections" | grep -q '\.debug_info'; then echo "not stripped: $2"; exit 1; fi
  echo "$sections" | grep -q '\.gnu_debuglink' || { echo "no debug link: $2"; exit 1; }
  # objcopy writes a copy: the released file stays as it is.
  "${1}objcopy" --dump-section .gnu_debuglink="$scratch/link" "$2" "$scratch/copy"
  tr -d '\0' <"$scratch/link" | grep -aq "^$2.debug" || { echo "the debug link does not name $2.debug"; exit 1; }
  "${1}objdump" -h "$2.debug" | grep -q '\.debug_info' || { echo "no debug information in $2.debug"; exit 1; }
  echo "stripped, $(wc -c <"$2") bytes; debug file $(wc -c <"$2.debug") bytes: $2"
}
linux=$(echo "$files" | grep '\.so$') windows=$(echo "$files" | grep '\.dll$')
stripped "" "$linux"
stripped x86_64-w64-mingw32- "$windows"
"$tests/check_exports.sh" "$linux" "$sources"
"$tests/check_windows_dll.sh" "$windows" "$sources"
echo "release files complete: $(echo $files)"
