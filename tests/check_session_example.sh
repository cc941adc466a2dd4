#!/bin/sh
# The main job's example leaves a report with loudness before and after and a
# well-formed picture: two waveforms and the envelope over the first.
set -eu
kvhost=$1 example=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$kvhost" "$example" "$out" >/dev/null
grep -q "momentary maximum (LUFS)" "$out/report.txt"
grep -q "volume envelope: [1-9][0-9]* points" "$out/report.txt"
python3 - "$out/waveform.svg" <<'PY'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
ns = "{http://www.w3.org/2000/svg}"
assert len(root.findall(ns + "path")) == 2, "two waveforms"
envelope = root.findall(ns + "polyline")
assert len(envelope) == 1 and len(envelope[0].get("points").split()) > 10, "the envelope"
PY
echo "report and picture written"
