#!/bin/sh
# The main job's example leaves a report with loudness before and after and a
# well-formed picture: two waveforms and the envelope over the first, a time
# axis, the envelope's dB scale, the momentary loudness of both takes against
# the target line, a legend; rsvg-convert renders it.
set -eu
kvhost=$1 example=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
${KVHOST_EMULATOR:-} "$kvhost" "$example" "$out" >/dev/null
grep -q "momentary maximum (LUFS)" "$out/report.txt"
grep -q "volume envelope: [1-9][0-9]* points" "$out/report.txt"
python3 - "$out/waveform.svg" "$out/report.txt" <<'PY'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
ns = "{http://www.w3.org/2000/svg}"
assert len(root.findall(ns + "path")) == 2, "two waveforms"
envelope = root.findall(ns + "polyline")
assert len(envelope) == 1 and len(envelope[0].get("points").split()) > 10, "the envelope"
group = {g.get("id"): g for g in root.iter(ns + "g")}
texts = lambda g: ["".join(t.itertext()) for t in g.iter(ns + "text")]
seconds = [float(t) for t in texts(group["time-axis"]) if t.replace(".", "").isdigit()]
assert seconds[:2] == [0, 1] and len(seconds) >= 5 and "time (s)" in texts(group["time-axis"]), "time axis"
assert texts(group["envelope-scale"]) == ["+12 dB", "+6 dB", "0 dB", "\u22126 dB", "\u221212 dB"], "envelope scale"
panel = group["loudness-panel"]
curves = {line.get("class"): [tuple(map(float, p.split(","))) for p in line.get("points").split()]
          for line in panel.iter(ns + "polyline")}
assert set(curves) == {"loudness-before", "loudness-after"} and min(map(len, curves.values())) > 20
target = next(line for line in panel.iter(ns + "line") if line.get("id") == "target-line")
scale = {t.text: float(t.get("y")) - 4 for t in group["loudness-scale"].iter(ns + "text") if t.text != "LUFS"}
target_y = scale["\u221210"] + (scale["\u221220"] - scale["\u221210"]) * 0.6
assert abs(float(target.get("y1")) - target_y) < 0.5, "the target line at -16 LUFS"
assert min(y for _, y in curves["loudness-after"]) < min(y for _, y in curves["loudness-before"]), "after is louder"
assert len(texts(group["legend"])) == 5 and "target \u221216 LUFS" in texts(group["legend"]), "the legend"
# The script's curve peaks where the host's analysis does.
report = {line[:28].strip(): line[28:].split() for line in open(sys.argv[2]) if line.startswith("  ")}
for host, curve in zip(report["momentary maximum (LUFS)"], report["curve maximum (LUFS)"]):
    assert abs(float(host) - float(curve)) < 1, (host, curve)
PY
rsvg-convert -o "$out/waveform.png" "$out/waveform.svg"
test -s "$out/waveform.png"
echo "report and picture written"
