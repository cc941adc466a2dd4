#!/bin/sh
# The extension is one file users copy into REAPER: it may need the C and C++
# runtimes and nothing else (extra names, such as sanitizer runtimes, follow).
set -eu
library=$1
shift
# The C runtime includes the machine's dynamic loader, which on aarch64 holds
# the stack protector's guard that statically linked code refers to.
case $(readelf -h "$library" | sed -n 's/^ *Machine: *//p') in
  AArch64) loader=ld-linux-aarch64.so.1 ;;
  ARM) loader=ld-linux-armhf.so.3 ;;
  'Intel 80386') loader=ld-linux.so.2 ;;
  *) loader=ld-linux-x86-64.so.2 ;;
esac
allowed="libc.so.6 libm.so.6 libstdc++.so.6 libgcc_s.so.1 $loader $*"
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
