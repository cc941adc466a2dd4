#!/bin/sh
# The Windows extension needs nothing but Windows' own DLLs (no C++ runtime,
# threads, Lua or PCRE2 DLL beside it) and exports exactly the names the Linux
# library does.
set -eu
library=$1
sources=$2
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
headers=$($objdump -p "$library")
imports=$(echo "$headers" | awk '/DLL Name:/ {print $3}' | sort -u)
system='^(kernel32|user32|gdi32|shell32|advapi32|ole32|oleaut32|comdlg32|comctl32|shlwapi|ws2_32|bcrypt|msvcrt|ucrtbase|ntdll|version)\.dll$|^api-ms-win-.*\.dll$'
foreign=$(echo "$imports" | tr 'A-Z' 'a-z' | grep -Ev "$system" || true)
if [ -n "$foreign" ]; then
  echo "imports beyond Windows' own DLLs:"; echo "$foreign"
  exit 1
fi
echo "imports: $(echo "$imports" | tr '\n' ' ')"
echo "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR > 1 && /^[[:space:]]*\[/ {print $NF}' |
  "$(dirname "$0")/compare_exports.sh" "$sources"
