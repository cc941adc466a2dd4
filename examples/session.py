# A small interview session: a Dialogue folder with a host and a guest,
# speech spoken by espeak-ng at different levels, listed through the kv_cobalt
# package; the host's uneven take is levelled by the hand automation and
# brought to a momentary-loudness target. Prints a report and writes
# report.txt and waveform.svg (the take before and after with the volume
# envelope over it, and their momentary loudness over time against the
# target) into the folder given as the first argument.
# The Python twin of session.lua: the same session and the same report.
# Uses only what REAPER's module reaper_python offers a script (with SWS
# installed), the extension's wrapper module, and the kv_cobalt package on
# Python's path (python/kv_cobalt copied into UserPlugins, or PYTHONPATH=python).
#   PYTHONPATH=python kvhost examples/session.py [output folder]
import math
import subprocess
import sys
import typing
from ctypes import POINTER, byref, c_byte, c_char_p, c_double, c_int, c_uint64, c_void_p
from typing import List, Optional, Sequence, Tuple

# As REAPER's own module, it gives every public name of ctypes, whose Union
# would replace typing's: that one is typing.Union here.
from reaper_python import *

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
from reaper_KELVARO_COBALT_python import *

import kv_cobalt

cobalt = kv_cobalt.Cobalt()  # the library REAPER loaded from UserPlugins
project_folder = RPR_GetProjectPath("", 4096)[0]
arguments = getattr(sys, "argv", [])[1:]  # REAPER passes none
output = arguments[0] if arguments else project_folder
lines: List[str] = []
#: Momentary loudness over time: (seconds, LUFS) points.
Curve = List[Tuple[float, float]]


def say(line: str) -> None:
    lines.append(line)
    RPR_ShowConsoleMsg(line + "\n")


def dB(gain: float) -> float:
    return 20 * math.log10(gain) if gain > 0 else -math.inf


# What REAPER's Python wrappers cannot do, through the functions' addresses:
# a new source belongs to no project until a take holds it, so ValidatePtr
# refuses it to the wrappers; an audio accessor fills an array of samples;
# SWS's loudness analysis has no wrapper in reaper_python. These take
# addresses, which kv_cobalt reads from handle strings after ValidatePtr2;
# a missing one ("is SWS installed?") stops the script here.
c_function = kv_cobalt.host_function
create_source = c_function("PCM_Source_CreateFromFile", c_uint64, c_char_p)
set_take_source = c_function("SetMediaItemTake_Source", c_byte, c_uint64, c_uint64)
create_accessor = c_function("CreateTakeAudioAccessor", c_uint64, c_uint64)
read_accessor = c_function("GetAudioAccessorSamples", c_int, c_uint64, c_int, c_int, c_double, c_int,
                           POINTER(c_double))
destroy_accessor = c_function("DestroyAudioAccessor", None, c_uint64)
analyze_loudness = c_function("NF_AnalyzeTakeLoudness2", c_byte, c_uint64, c_byte, *[POINTER(c_double)] * 8)


def take_address(take: str) -> typing.Union[int, c_void_p, None]:
    return cobalt.address(take, "MediaItem_Take*")


# Speech, as a script would make it: espeak-ng into the project folder.
def speak(file: str, amplitude: int, words: str) -> str:
    path = project_folder + "/" + file
    try:
        subprocess.run(["espeak-ng", "-m", "-a", str(amplitude), "-w", path, "<speak>%s</speak>" % words], check=True)
    except (OSError, subprocess.CalledProcessError) as e:
        raise RuntimeError("espeak-ng could not speak: is it installed?") from e
    return path


def add_speech(track: str, position: float, file: str) -> str:
    source = create_source(file.encode())
    item = RPR_AddMediaItemToTrack(track)
    take = RPR_AddTakeToMediaItem(item)
    set_take_source(take_address(take), source)
    RPR_SetMediaItemInfo_Value(item, "D_POSITION", position)
    RPR_SetMediaItemInfo_Value(item, "D_LENGTH", RPR_GetMediaSourceLength(RPR_GetMediaItemTake_Source(take), 0)[0])
    return item


# The session: Dialogue (a folder of Host and Guest), then Room tone.
dialogue = KV_InsertTrackSearchUniqueOnly(None, "Dialogue", 0)[0]
host = KV_InsertChildTrack(dialogue, 0)[0]
KV_SetTrackItemName(host, "Host")
guest = KV_InsertChildTrack(dialogue, 0)[0]
KV_SetTrackItemName(guest, "Guest")
RPR_SetMediaTrackInfo_Value(guest, "I_FOLDERDEPTH", -1)  # the last track of the folder
KV_InsertTrackSearchUniqueOnly(None, "Room tone", 0)

vocal = add_speech(host, 0, speak("host.wav", 60,
                                  'Welcome back to the show. Today we have a very special guest. '
                                  '<prosody volume="x-soft">She rarely gives interviews, so listen closely,</prosody> '
                                  'because this one is worth it.'))
add_speech(guest, 7, speak("guest.wav", 35, "Thank you. It is a pleasure to be here."))

# The session through kv_cobalt, as lists of REAPER's track handles.
_, rows = cobalt.GetTrackDepthList(None)
say("Session:")
for row in rows:
    if row is None:
        continue
    track = row["Track"]
    name = RPR_GetTrackName(track, "", 512)[2]
    items = []
    for i in range(RPR_CountTrackMediaItems(track)):
        item = RPR_GetTrackMediaItem(track, i)
        items.append("%.1f s at %.1f s" % (RPR_GetMediaItemInfo_Value(item, "D_LENGTH"),
                                           RPR_GetMediaItemInfo_Value(item, "D_POSITION")))
    say("  %s%-10s %s" % ("  " * row["Depth"], name, ", ".join(items)))
_, voices, count = cobalt.GetTrackIdChildList(None, 0)
say("  Dialogue holds %d voices" % count)

# The take as it sounds: samples of a take at a rate, times the item volume.
view_rate = 4000


def samples(take: str, rate: int = view_rate) -> List[float]:
    item = RPR_GetMediaItemTake_Item(take)
    count = math.floor(RPR_GetMediaItemInfo_Value(item, "D_LENGTH") * rate)
    buffer = (c_double * count)()
    accessor = create_accessor(take_address(take))
    read_accessor(accessor, rate, 1, 0, count, buffer)
    destroy_accessor(accessor)
    gain = RPR_GetMediaItemInfo_Value(item, "D_VOL")
    return [value * gain for value in buffer]


# Momentary loudness over time, as a script can measure it (the host's
# analysis gives only its maximum): the take's samples at its source's rate
# through the K-weighting filters of ITU-R BS.1770 (one channel), mean square
# over 400 ms windows every 100 ms. Each point is (time of the window's
# centre, LUFS); silence reads -inf.
def biquad(values: List[float], b: Sequence[float], a: Sequence[float]) -> List[float]:
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for x in values:
        y = b[0] * x + b[1] * x1 + b[2] * x2 - a[1] * y1 - a[2] * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def k_weighted(values: List[float], rate: int) -> List[float]:
    # The high shelf (+4 dB above about 1.7 kHz), then the high-pass at 38 Hz.
    K, Q = math.tan(math.pi * 1681.974450955533 / rate), 0.7071752369554196
    Vh = 10 ** (3.999843853973347 / 20)
    Vb = Vh ** 0.4996667741545416
    a0 = 1 + K / Q + K * K
    shelf = biquad(values, ((Vh + Vb * K / Q + K * K) / a0, 2 * (K * K - Vh) / a0, (Vh - Vb * K / Q + K * K) / a0),
                   (1, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0))
    K, Q = math.tan(math.pi * 38.13547087602444 / rate), 0.5003270373238773
    a0 = 1 + K / Q + K * K
    return biquad(shelf, (1, -2, 1), (1, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0))


def momentary_curve(take: str) -> Curve:
    rate = RPR_GetMediaSourceSampleRate(RPR_GetMediaItemTake_Source(take))
    weighted = k_weighted(samples(take, rate), rate)
    sums = [0.0]
    for value in weighted:
        sums.append(sums[-1] + value ** 2)
    window, step = math.floor(0.4 * rate + 0.5), math.floor(0.1 * rate + 0.5)
    curve = []
    for last in range(window, len(weighted) + 1, step):
        mean_square = (sums[last] - sums[last - window]) / window
        loudness = -0.691 + 10 * math.log10(mean_square) if mean_square > 0 else -math.inf
        curve.append(((last - window / 2) / rate, loudness))
    return curve


def loudest(curve: Curve) -> float:
    return max((lufs for _, lufs in curve), default=-math.inf)


def loudness(take: str) -> Tuple[float, float, float]:
    """Integrated loudness, loudness range and momentary maximum, by SWS."""
    values = [c_double() for _ in range(8)]
    if not analyze_loudness(take_address(take), False, *map(byref, values)):
        raise RuntimeError("no loudness analysis: is SWS installed?")
    lufs, loudness_range, _, _, _, momentary, _, _ = (value.value for value in values)
    return lufs, loudness_range, momentary


# How even the speech is: the levels (RMS) of its 400 ms windows, loudest
# minus quietest, over the windows that hold speech before (within 30 dB of
# the loudest), so both takes are measured on the same words.
window = math.floor(0.4 * view_rate)


def window_levels(values: List[float]) -> List[float]:
    levels = []
    for start in range(0, len(values) - window + 1, window):
        levels.append(dB(math.sqrt(sum(value ** 2 for value in values[start:start + window]) / window)))
    return levels


def spreads(before: List[float], after: List[float]) -> Tuple[float, float]:
    first, second = window_levels(before), window_levels(after)
    highest = max(first)
    ranges = [[math.inf, -math.inf], [math.inf, -math.inf]]
    for k, level in enumerate(first):
        if level > highest - 30 and k < len(second):
            for taken, value in zip(ranges, (level, second[k])):
                taken[0], taken[1] = min(taken[0], value), max(taken[1], value)
    (low, high), (low_after, high_after) = ranges
    return high - low, high_after - low_after


original = RPR_GetActiveTake(vocal)
before = samples(original)
lufs_before, range_before, momentary_before = loudness(original)
curve_before = momentary_curve(original)

# The main job: level the host's take by hand automation, then bring its
# loudest momentary loudness to the target.
target = -16
if not KV_SetMediaItemHANDAUTOMER(vocal, 1):
    raise RuntimeError("hand automation failed")
envelope = RPR_GetTakeEnvelopeByName(original, "Volume")
points = []
for i in range(RPR_CountEnvelopePoints(envelope)):
    time, gain = RPR_GetEnvelopePoint(envelope, i, 0, 0, 0, 0, 0)[3:5]
    points.append((time, gain))
normalised = KV_SetMediaItemLoudnessMaxMomentary(vocal, target, 0)
ok, loudest_at = normalised[0], normalised[3]
if not ok:
    raise RuntimeError("loudness normalisation failed")
levelled = RPR_GetActiveTake(vocal)
after = samples(levelled)
lufs_after, range_after, momentary_after = loudness(levelled)
curve_after = momentary_curve(levelled)

levels = [dB(gain) for _, gain in points]
say("Host's take, levelled (ratio type 1) and normalised to %d LUFS momentary:" % target)
say("  volume envelope: %d points, from %.1f dB to %+.1f dB, rendered into a new active take (%d takes)"
    % (len(points), min(levels, default=math.inf), max(levels, default=-math.inf), RPR_CountTakes(vocal)))
say("  item volume now %+.2f dB; loudest 400 ms window at %.1f s"
    % (dB(RPR_GetMediaItemInfo_Value(vocal, "D_VOL")), loudest_at))
say("  %-26s %9s %9s" % ("", "before", "after"))
say("  %-26s %9.1f %9.1f" % ("momentary maximum (LUFS)", momentary_before, momentary_after))
say("  %-26s %9.1f %9.1f" % ("curve maximum (LUFS)", loudest(curve_before), loudest(curve_after)))
say("  %-26s %9.1f %9.1f" % ("integrated (LUFS)", lufs_before, lufs_after))
say("  %-26s %9.1f %9.1f" % ("loudness range (LU)", range_before, range_after))
say("  %-26s %9.1f %9.1f" % ("speech window spread (dB)", *spreads(before, after)))

# The picture: each take as min/max columns with the envelope over the
# first, then the momentary loudness of both, over one time axis.
width, left, right, panel, gap = 1000, 70, 30, 150, 44
loudness_height, floor, ceiling = 180, -60, 0
tops = (56, 56 + panel + gap, 56 + 2 * (panel + gap))
bottom = tops[2] + loudness_height
length = RPR_GetMediaItemInfo_Value(vocal, "D_LENGTH")
colours = {"wave": "#3b6ea5", "envelope": "#d9534f", "before": "#9a9a9a", "after": "#2e8b57", "target": "#e08a00"}


def x_of(time: float) -> float:
    return left + time / length * width


def minus(text: str) -> str:
    """Negative numbers with a real minus sign, as typeset."""
    return text.replace("-", "\u2212")


def line(x1: float, y1: float, x2: float, y2: float, attributes: str) -> str:
    return '<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" %s/>' % (x1, y1, x2, y2, attributes)


def label(x: float, y: float, words: str, attributes: Optional[str] = None) -> str:
    return '<text x="%.1f" y="%.1f"%s>%s</text>' % (x, y, " " + attributes if attributes else "", words)


def frame(top: int, height: int) -> str:
    return '<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="#ccc"/>' % (left, top, width, height)


def waveform(values: List[float], top: int) -> str:
    middle, path = top + panel / 2, []
    per_column = len(values) / width
    for x in range(width):
        # Columns of samples first to last (counted from 1), at least one each.
        first = math.floor(x * per_column) + 1
        column = [0] + values[first - 1:max(math.floor((x + 1) * per_column), first)]
        low, high = min(column), max(column)
        path.append("M%d %.1fV%.1f" % (left + x, middle - high * panel / 2, middle - low * panel / 2))
    return '<path d="%s" stroke="%s" stroke-width="1"/>' % ("".join(path), colours["wave"])


def envelope_y(level: float, top: int) -> float:
    """The envelope in dB: 0 dB on the centre line, 12 dB up or down at the edges."""
    return top + panel / 2 - max(-12, min(12, level)) / 12 * panel / 2


def envelope_line(top: int) -> str:
    coordinates = " ".join("%.1f,%.1f" % (x_of(time), envelope_y(dB(gain), top)) for time, gain in points)
    return '<polyline points="%s" fill="none" stroke="%s" stroke-width="1.5"/>' % (coordinates, colours["envelope"])


def envelope_scale(top: int) -> str:
    scale = ['<g id="envelope-scale" font-size="11" text-anchor="end">']
    for level in (12, 6, 0, -6, -12):
        y = envelope_y(level, top)
        scale.append(line(left - 5, y, left, y, 'stroke="%s"' % colours["envelope"]))
        scale.append(label(left - 8, y + 4, ("+%d" % level if level > 0 else minus(str(level))) + " dB",
                           'fill="%s"' % colours["envelope"]))
    scale.append("</g>")
    return "".join(scale)


def loudness_y(lufs: float) -> float:
    return tops[2] + (ceiling - max(floor, min(ceiling, lufs))) / (ceiling - floor) * loudness_height


def loudness_line(curve: Curve, kind: str, colour: str) -> str:
    coordinates = " ".join("%.1f,%.1f" % (x_of(time), loudness_y(lufs)) for time, lufs in curve)
    return '<polyline class="%s" points="%s" fill="none" stroke="%s" stroke-width="1.8"/>' % (kind, coordinates, colour)


def loudness_panel() -> str:
    parts = ['<g id="loudness-panel">', '<g id="loudness-scale" font-size="11" text-anchor="end">']
    for lufs in range(floor, ceiling + 1, 10):
        y = loudness_y(lufs)
        parts.append(line(left, y, left + width, y, 'stroke="#e4e4e4"'))
        parts.append(label(left - 8, y + 4, minus(str(lufs))))
    middle = tops[2] + loudness_height / 2
    parts.append(label(16, middle, "LUFS", 'transform="rotate(-90 16 %.1f)" text-anchor="middle"' % middle))
    parts.append("</g>")
    y = loudness_y(target)
    dashed = 'id="target-line" stroke="%s" stroke-width="1.5" stroke-dasharray="6 4"' % colours["target"]
    parts.append(line(left, y, left + width, y, dashed))
    parts.append(label(left + width - 4, y - 5, "target %s LUFS" % minus(str(target)),
                       'fill="%s" font-size="11" text-anchor="end"' % colours["target"]))
    parts.append(loudness_line(curve_before, "loudness-before", colours["before"]))
    parts.append(loudness_line(curve_after, "loudness-after", colours["after"]))
    parts.append("</g>")
    return "\n".join(parts)


def time_axis() -> str:
    """Seconds: a round step giving at most about a dozen ticks."""
    step = next((candidate for candidate in (0.5, 1, 2, 5, 10, 30) if length / candidate <= 12), 60)
    parts = ['<g id="time-axis" font-size="11" text-anchor="middle">']
    for i in range(math.floor(length / step + 1e-9) + 1):
        x = x_of(i * step)
        parts.append(line(x, tops[0], x, bottom, 'stroke="#ededed"'))
        parts.append(line(x, bottom, x, bottom + 5, 'stroke="#555"'))
        parts.append(label(x, bottom + 18, "%g" % (i * step)))
    parts.append(line(left, bottom, left + width, bottom, 'stroke="#555"'))
    parts.append(label(left + width / 2, bottom + 34, "time (s)"))
    parts.append("</g>")
    return "\n".join(parts)


def legend(top: int) -> str:
    entries = (("take waveform", colours["wave"], ""), ("volume envelope (dB scale at left)", colours["envelope"], ""),
               ("momentary loudness before", colours["before"], ""), ("momentary loudness after", colours["after"], ""),
               ("target %s LUFS" % minus(str(target)), colours["target"], ' stroke-dasharray="6 4"'))
    parts = ['<g id="legend" font-size="12">', frame(top, 26)]
    x = left + 12.0
    for words, colour, dashes in entries:
        parts.append(line(x, top + 13, x + 22, top + 13, 'stroke="%s" stroke-width="3"%s' % (colour, dashes)))
        parts.append(label(x + 28, top + 17, words))
        x = x + 44 + len(words) * 6.8  # about the width of 12 px sans-serif text
    parts.append("</g>")
    return "\n".join(parts)


height = bottom + 90
svg = [
    '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" font-size="13">'
    % (left + width + right, height),
    '<rect width="100%" height="100%" fill="white"/>',
    label(left, 22, "Host\u2019s take: levelled by hand automation, normalised to %s LUFS momentary"
          % minus(str(target)), 'font-size="15" font-weight="bold"'),
    time_axis(),
    frame(tops[0], panel), frame(tops[1], panel), frame(tops[2], loudness_height),
    label(left, tops[0] - 8, "Before: the spoken take, with the volume envelope the hand automation drew"),
    waveform(before, tops[0]), envelope_line(tops[0]), envelope_scale(tops[0]),
    label(left, tops[1] - 8, "After: the rendered take at the item volume that brings it to %s LUFS momentary"
          % minus(str(target))),
    waveform(after, tops[1]),
    label(left, tops[2] - 8, "Momentary loudness: K-weighted mean square of 400 ms windows every 100 ms, "
          "computed by this script from the take samples"),
    loudness_panel(),
    legend(bottom + 50),
    "</svg>",
]
picture = output + "/waveform.svg"
with open(picture, "w", encoding="utf-8") as file:
    file.write("\n".join(svg) + "\n")
with open(output + "/report.txt", "w", encoding="utf-8") as file:
    file.write("\n".join(lines) + "\n")
RPR_ShowConsoleMsg("Wrote %s and %s/report.txt\n" % (picture, output))
