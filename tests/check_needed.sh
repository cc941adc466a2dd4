#!/bin/sh
# The extension is one file users copy into REAPER: it may need the C and C++
# runtimes and nothing else (extra names, such as sanitizer runtimes, follow).
set -eu
library=$1
shift
allowed="libc.so.6 libm.so.6 libstdc++.so.6 libgcc_s.so.1 ld-linux-x86-64.so.2 $*"
needed=$(readelf -d "$library" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
status=0
for name in $needed; do
  case " $allowed " in
    *" $name "*) ;;
    *) echo "unexpected run-time dependency: $name"; status=1 ;;
  esac
done
echo "needs: $(echo $needed)"
exit $status
