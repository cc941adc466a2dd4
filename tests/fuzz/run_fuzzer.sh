#!/bin/sh
# Runs one fuzz target for a bounded time from its seeds; new inputs go to a
# scratch corpus, a crashing input to the artifacts folder (its path is printed).
# usage: run_fuzzer.sh TARGET SEEDS ARTIFACTS SECONDS [libFuzzer options...]
set -eu
target=$1 seeds=$2 artifacts=$3 seconds=$4
shift 4
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$artifacts"
[ -d "$seeds" ] || seeds=
# AddressSanitizer needs the address ranges it reserves, which qemu-user does
# not keep for it: now and then its allocator stops on a failed check. The
# targets are built for the emulated machine and run natively.
if [ -n "${KVHOST_EMULATOR:-}" ]; then
  echo "skipped: AddressSanitizer's allocator does not run reliably under qemu-user"
  exit 77
fi
# A finding fails the test: libFuzzer's own exit code for one is 77, ctest's skip.
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -error_exitcode=1 \
  -timeout_exitcode=1 -artifact_prefix="$artifacts/$(basename "$target")-" "$@" "$corpus" $seeds
