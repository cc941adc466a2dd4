-- A small interview session: a Dialogue folder with a host and a guest,
-- speech spoken by espeak-ng at different levels, listed through the Lua
-- module; the host's uneven take is levelled by the hand automation and
-- brought to a momentary-loudness target. Prints a report and writes
-- report.txt and waveform.svg (the take before and after with the volume
-- envelope over it, and their momentary loudness over time against the
-- target) into the folder given as the first argument.
-- Uses only what REAPER offers a script (with SWS installed).
--   kvhost examples/session.lua [output folder]

local output = (...) or reaper.GetProjectPath()
local lines = {}
local function say(format, ...)
  local line = format:format(...)
  lines[#lines + 1] = line
  reaper.ShowConsoleMsg(line .. "\n")
end
local function dB(gain) return gain > 0 and 20 * math.log(gain, 10) or -math.huge end

-- Speech, as a script would make it: espeak-ng into the project folder.
local function speak(file, amplitude, words)
  local path = reaper.GetProjectPath() .. "/" .. file
  local command = ("espeak-ng -m -a %d -w '%s' '<speak>%s</speak>'"):format(amplitude, path, words)
  if not os.execute(command) then error("espeak-ng could not speak: is it installed?") end
  return path
end

local function add_speech(track, position, file)
  local source = reaper.PCM_Source_CreateFromFile(file)
  local item = reaper.AddMediaItemToTrack(track)
  reaper.SetMediaItemTake_Source(reaper.AddTakeToMediaItem(item), source)
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", position)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", reaper.GetMediaSourceLength(source))
  return item
end

-- The session: Dialogue (a folder of Host and Guest), then Room tone.
local dialogue = reaper.KV_InsertTrackSearchUniqueOnly(0, "Dialogue")
local host = reaper.KV_InsertChildTrack(dialogue)
reaper.KV_SetTrackItemName(host, "Host")
local guest = reaper.KV_InsertChildTrack(dialogue)
reaper.KV_SetTrackItemName(guest, "Guest")
reaper.SetMediaTrackInfo_Value(guest, "I_FOLDERDEPTH", -1)  -- the last track of the folder
reaper.KV_InsertTrackSearchUniqueOnly(0, "Room tone")

local vocal = add_speech(host, 0, speak("host.wav", 60,
  'Welcome back to the show. Today we have a very special guest. '
  .. '<prosody volume="x-soft">She rarely gives interviews, so listen closely,</prosody> '
  .. 'because this one is worth it.'))
add_speech(guest, 7, speak("guest.wav", 35, "Thank you. It is a pleasure to be here."))

-- The session through the Lua module, as lists.
local plugins = reaper.GetResourcePath() .. "/UserPlugins/?"
package.cpath = plugins .. ".so;" .. plugins .. ".dylib;" .. plugins .. ".dll;" .. package.cpath
package.path = plugins .. ".lua;" .. package.path
local cobalt = require("reaper_KELVARO_COBALT")
local _, rows = cobalt.KV_GetTrackDepthList(0)
say("Session:")
for _, row in ipairs(rows) do
  local _, name = reaper.GetTrackName(row.Track)
  local items = {}
  for i = 0, reaper.CountTrackMediaItems(row.Track) - 1 do
    local item = reaper.GetTrackMediaItem(row.Track, i)
    items[#items + 1] = ("%.1f s at %.1f s"):format(reaper.GetMediaItemInfo_Value(item, "D_LENGTH"),
                                                   reaper.GetMediaItemInfo_Value(item, "D_POSITION"))
  end
  say("  %s%-10s %s", string.rep("  ", row.Depth), name, #items > 0 and table.concat(items, ", ") or "")
end
local _, voices, count = cobalt.KV_GetTrackIdChildList(0, 0)
say("  Dialogue holds %d voices", count)

-- The take as it sounds: samples of a take at a rate, times the item volume.
local view_rate = 4000
local function samples(take, rate)
  rate = rate or view_rate
  local item = reaper.GetMediaItemTake_Item(take)
  local count = math.floor(reaper.GetMediaItemInfo_Value(item, "D_LENGTH") * rate)
  local buffer = reaper.new_array(count)
  local accessor = reaper.CreateTakeAudioAccessor(take)
  reaper.GetAudioAccessorSamples(accessor, rate, 1, 0, count, buffer)
  reaper.DestroyAudioAccessor(accessor)
  local values, gain = {}, reaper.GetMediaItemInfo_Value(item, "D_VOL")
  for i = 1, count do values[i] = buffer[i] * gain end
  return values
end

-- Momentary loudness over time, as a script can measure it (the host's
-- analysis gives only its maximum): the take's samples at its source's rate
-- through the K-weighting filters of ITU-R BS.1770 (one channel), mean square
-- over 400 ms windows every 100 ms. Each point is {time of the window's
-- centre, LUFS}; silence reads -inf.
local function biquad(values, b, a)
  local x1, x2, y1, y2, out = 0, 0, 0, 0, {}
  for i = 1, #values do
    local x = values[i]
    local y = b[1] * x + b[2] * x1 + b[3] * x2 - a[2] * y1 - a[3] * y2
    x2, x1, y2, y1 = x1, x, y1, y
    out[i] = y
  end
  return out
end
local function k_weighted(values, rate)
  -- The high shelf (+4 dB above about 1.7 kHz), then the high-pass at 38 Hz.
  local K, Q = math.tan(math.pi * 1681.974450955533 / rate), 0.7071752369554196
  local Vh = 10 ^ (3.999843853973347 / 20)
  local Vb = Vh ^ 0.4996667741545416
  local a0 = 1 + K / Q + K * K
  local shelf = biquad(values, {(Vh + Vb * K / Q + K * K) / a0, 2 * (K * K - Vh) / a0, (Vh - Vb * K / Q + K * K) / a0},
                       {1, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0})
  K, Q = math.tan(math.pi * 38.13547087602444 / rate), 0.5003270373238773
  a0 = 1 + K / Q + K * K
  return biquad(shelf, {1, -2, 1}, {1, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0})
end
local function momentary_curve(take)
  local rate = reaper.GetMediaSourceSampleRate(reaper.GetMediaItemTake_Source(take))
  local weighted = k_weighted(samples(take, rate), rate)
  local sums = {[0] = 0}
  for i = 1, #weighted do sums[i] = sums[i - 1] + weighted[i] ^ 2 end
  local window, step, curve = math.floor(0.4 * rate + 0.5), math.floor(0.1 * rate + 0.5), {}
  for last = window, #weighted, step do
    local mean_square = (sums[last] - sums[last - window]) / window
    curve[#curve + 1] = {(last - window / 2) / rate,
                         mean_square > 0 and -0.691 + 10 * math.log(mean_square, 10) or -math.huge}
  end
  return curve
end
local function loudest(curve)
  local highest = -math.huge
  for _, point in ipairs(curve) do highest = math.max(highest, point[2]) end
  return highest
end

local function loudness(take)
  local ok, lufs, range, _, _, _, momentary = reaper.NF_AnalyzeTakeLoudness2(take, false)
  if not ok then error("no loudness analysis: is SWS installed?") end
  return lufs, range, momentary
end

-- How even the speech is: the levels (RMS) of its 400 ms windows, loudest
-- minus quietest, over the windows that hold speech before (within 30 dB of
-- the loudest), so both takes are measured on the same words.
local window = math.floor(0.4 * view_rate)
local function window_levels(values)
  local levels = {}
  for start = 1, #values - window + 1, window do
    local sum = 0
    for i = start, start + window - 1 do sum = sum + values[i] ^ 2 end
    levels[#levels + 1] = dB(math.sqrt(sum / window))
  end
  return levels
end
local function spreads(before, after)
  local first, second = window_levels(before), window_levels(after)
  local loudest = math.max(table.unpack(first))
  local range = {{math.huge, -math.huge}, {math.huge, -math.huge}}
  for k, level in ipairs(first) do
    if level > loudest - 30 and second[k] then
      for take, value in ipairs({level, second[k]}) do
        range[take] = {math.min(range[take][1], value), math.max(range[take][2], value)}
      end
    end
  end
  return range[1][2] - range[1][1], range[2][2] - range[2][1]
end

local original = reaper.GetActiveTake(vocal)
local before = samples(original)
local lufs_before, range_before, momentary_before = loudness(original)
local curve_before = momentary_curve(original)

-- The main job: level the host's take by hand automation, then bring its
-- loudest momentary loudness to the target.
local target = -16
assert(reaper.KV_SetMediaItemHANDAUTOMER(vocal, 1), "hand automation failed")
local envelope = reaper.GetTakeEnvelopeByName(original, "Volume")
local points = {}
for i = 0, reaper.CountEnvelopePoints(envelope) - 1 do
  local _, time, gain = reaper.GetEnvelopePoint(envelope, i)
  points[#points + 1] = {time = time, gain = gain}
end
local ok, loudest_at = reaper.KV_SetMediaItemLoudnessMaxMomentary(vocal, target)
assert(ok, "loudness normalisation failed")
local levelled = reaper.GetActiveTake(vocal)
local after = samples(levelled)
local lufs_after, range_after, momentary_after = loudness(levelled)
local curve_after = momentary_curve(levelled)

local lowest, highest = math.huge, -math.huge
for _, point in ipairs(points) do
  lowest, highest = math.min(lowest, dB(point.gain)), math.max(highest, dB(point.gain))
end
say("Host's take, levelled (ratio type 1) and normalised to %d LUFS momentary:", target)
say("  volume envelope: %d points, from %.1f dB to %+.1f dB, rendered into a new active take (%d takes)", #points,
    lowest, highest, reaper.CountTakes(vocal))
say("  item volume now %+.2f dB; loudest 400 ms window at %.1f s", dB(reaper.GetMediaItemInfo_Value(vocal, "D_VOL")),
    loudest_at)
say("  %-26s %9s %9s", "", "before", "after")
say("  %-26s %9.1f %9.1f", "momentary maximum (LUFS)", momentary_before, momentary_after)
say("  %-26s %9.1f %9.1f", "curve maximum (LUFS)", loudest(curve_before), loudest(curve_after))
say("  %-26s %9.1f %9.1f", "integrated (LUFS)", lufs_before, lufs_after)
say("  %-26s %9.1f %9.1f", "loudness range (LU)", range_before, range_after)
say("  %-26s %9.1f %9.1f", "speech window spread (dB)", spreads(before, after))

-- The picture: each take as min/max columns with the envelope over the
-- first, then the momentary loudness of both, over one time axis.
local width, left, right, panel, gap = 1000, 70, 30, 150, 44
local loudness_height, floor, ceiling = 180, -60, 0
local tops = {56, 56 + panel + gap, 56 + 2 * (panel + gap)}
local bottom = tops[3] + loudness_height
local length = reaper.GetMediaItemInfo_Value(vocal, "D_LENGTH")
local colours = {wave = "#3b6ea5", envelope = "#d9534f", before = "#9a9a9a", after = "#2e8b57", target = "#e08a00"}
local function x_of(time) return left + time / length * width end
-- Negative numbers with a real minus sign, as typeset.
local function minus(text) return (text:gsub("-", "\u{2212}")) end
local function line(x1, y1, x2, y2, attributes)
  return ('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" %s/>'):format(x1, y1, x2, y2, attributes)
end
local function label(x, y, words, attributes)
  return ('<text x="%.1f" y="%.1f"%s>%s</text>'):format(x, y, attributes and " " .. attributes or "", words)
end
local function frame(top, height)
  return ('<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="#ccc"/>'):format(left, top, width, height)
end
local function waveform(values, top)
  local middle, path = top + panel / 2, {}
  local per_column = #values / width
  for x = 0, width - 1 do
    local low, high = 0, 0
    local first = math.floor(x * per_column) + 1
    for i = first, math.max(math.floor((x + 1) * per_column), first) do
      local v = values[i] or 0
      low, high = math.min(low, v), math.max(high, v)
    end
    path[#path + 1] = ("M%d %.1fV%.1f"):format(left + x, middle - high * panel / 2, middle - low * panel / 2)
  end
  return ('<path d="%s" stroke="%s" stroke-width="1"/>'):format(table.concat(path), colours.wave)
end
-- The envelope in dB: 0 dB on the centre line, 12 dB up or down at the edges.
local function envelope_y(level, top) return top + panel / 2 - math.max(-12, math.min(12, level)) / 12 * panel / 2 end
local function envelope_line(top)
  local coordinates = {}
  for _, point in ipairs(points) do
    coordinates[#coordinates + 1] = ("%.1f,%.1f"):format(x_of(point.time), envelope_y(dB(point.gain), top))
  end
  return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="1.5"/>')
      :format(table.concat(coordinates, " "), colours.envelope)
end
local function envelope_scale(top)
  local scale = {'<g id="envelope-scale" font-size="11" text-anchor="end">'}
  for _, level in ipairs({12, 6, 0, -6, -12}) do
    local y = envelope_y(level, top)
    scale[#scale + 1] = line(left - 5, y, left, y, ('stroke="%s"'):format(colours.envelope))
    scale[#scale + 1] = label(left - 8, y + 4, (level > 0 and "+" .. level or minus(tostring(level))) .. " dB",
                              ('fill="%s"'):format(colours.envelope))
  end
  scale[#scale + 1] = "</g>"
  return table.concat(scale)
end
local function loudness_y(lufs)
  return tops[3] + (ceiling - math.max(floor, math.min(ceiling, lufs))) / (ceiling - floor) * loudness_height
end
local function loudness_line(curve, class, colour)
  local coordinates = {}
  for _, point in ipairs(curve) do
    coordinates[#coordinates + 1] = ("%.1f,%.1f"):format(x_of(point[1]), loudness_y(point[2]))
  end
  return ('<polyline class="%s" points="%s" fill="none" stroke="%s" stroke-width="1.8"/>')
      :format(class, table.concat(coordinates, " "), colour)
end
local function loudness_panel()
  local parts = {'<g id="loudness-panel">', '<g id="loudness-scale" font-size="11" text-anchor="end">'}
  for lufs = floor, ceiling, 10 do
    local y = loudness_y(lufs)
    parts[#parts + 1] = line(left, y, left + width, y, 'stroke="#e4e4e4"')
    parts[#parts + 1] = label(left - 8, y + 4, minus(tostring(lufs)))
  end
  local middle = tops[3] + loudness_height / 2
  parts[#parts + 1] = label(16, middle, "LUFS", ('transform="rotate(-90 16 %.1f)" text-anchor="middle"'):format(middle))
  parts[#parts + 1] = "</g>"
  local y = loudness_y(target)
  local dashed = ('id="target-line" stroke="%s" stroke-width="1.5" stroke-dasharray="6 4"'):format(colours.target)
  parts[#parts + 1] = line(left, y, left + width, y, dashed)
  parts[#parts + 1] = label(left + width - 4, y - 5, ("target %s LUFS"):format(minus(tostring(target))),
                            ('fill="%s" font-size="11" text-anchor="end"'):format(colours.target))
  parts[#parts + 1] = loudness_line(curve_before, "loudness-before", colours.before)
  parts[#parts + 1] = loudness_line(curve_after, "loudness-after", colours.after)
  parts[#parts + 1] = "</g>"
  return table.concat(parts, "\n")
end
-- Seconds: a round step giving at most about a dozen ticks.
local function time_axis()
  local step = 60
  for _, candidate in ipairs({0.5, 1, 2, 5, 10, 30}) do
    if length / candidate <= 12 then step = candidate break end
  end
  local parts = {'<g id="time-axis" font-size="11" text-anchor="middle">'}
  for i = 0, math.floor(length / step + 1e-9) do
    local x = x_of(i * step)
    parts[#parts + 1] = line(x, tops[1], x, bottom, 'stroke="#ededed"')
    parts[#parts + 1] = line(x, bottom, x, bottom + 5, 'stroke="#555"')
    parts[#parts + 1] = label(x, bottom + 18, ("%g"):format(i * step))
  end
  parts[#parts + 1] = line(left, bottom, left + width, bottom, 'stroke="#555"')
  parts[#parts + 1] = label(left + width / 2, bottom + 34, "time (s)")
  parts[#parts + 1] = "</g>"
  return table.concat(parts, "\n")
end
local function legend(top)
  local entries = {{"take waveform", colours.wave}, {"volume envelope (dB scale at left)", colours.envelope},
                   {"momentary loudness before", colours.before}, {"momentary loudness after", colours.after},
                   {("target %s LUFS"):format(minus(tostring(target))), colours.target, ' stroke-dasharray="6 4"'}}
  local parts = {'<g id="legend" font-size="12">', frame(top, 26)}
  local x = left + 12
  for _, entry in ipairs(entries) do
    local stroke = ('stroke="%s" stroke-width="3"%s'):format(entry[2], entry[3] or "")
    parts[#parts + 1] = line(x, top + 13, x + 22, top + 13, stroke)
    parts[#parts + 1] = label(x + 28, top + 17, entry[1])
    x = x + 44 + utf8.len(entry[1]) * 6.8  -- about the width of 12 px sans-serif text
  end
  parts[#parts + 1] = "</g>"
  return table.concat(parts, "\n")
end
local height = bottom + 90
local svg = {
  ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" font-size="13">')
      :format(left + width + right, height),
  '<rect width="100%" height="100%" fill="white"/>',
  label(left, 22, ("Host\u{2019}s take: levelled by hand automation, normalised to %s LUFS momentary")
      :format(minus(tostring(target))), 'font-size="15" font-weight="bold"'),
  time_axis(),
  frame(tops[1], panel), frame(tops[2], panel), frame(tops[3], loudness_height),
  label(left, tops[1] - 8, "Before: the spoken take, with the volume envelope the hand automation drew"),
  waveform(before, tops[1]), envelope_line(tops[1]), envelope_scale(tops[1]),
  label(left, tops[2] - 8, ("After: the rendered take at the item volume that brings it to %s LUFS momentary")
      :format(minus(tostring(target)))),
  waveform(after, tops[2]),
  label(left, tops[3] - 8, "Momentary loudness: K-weighted mean square of 400 ms windows every 100 ms, "
      .. "computed by this script from the take samples"),
  loudness_panel(),
  legend(bottom + 50),
  "</svg>",
}
local picture = output .. "/waveform.svg"
local file = assert(io.open(picture, "w"))
file:write(table.concat(svg, "\n"), "\n")
file:close()
file = assert(io.open(output .. "/report.txt", "w"))
file:write(table.concat(lines, "\n"), "\n")
file:close()
reaper.ShowConsoleMsg(("Wrote %s and %s/report.txt\n"):format(picture, output))
