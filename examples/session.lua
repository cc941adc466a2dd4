-- A small interview session: a Dialogue folder with a host and a guest,
-- speech spoken by espeak-ng at different levels, listed through the Lua
-- module; the host's uneven take is levelled by the hand automation and
-- brought to a momentary-loudness target. Prints a report and writes
-- report.txt and waveform.svg (the take before and after, with the volume
-- envelope drawn over it) into the folder given as the first argument.
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

-- The take as it sounds: samples of a take at a low rate, times the item volume.
local view_rate = 4000
local function samples(take)
  local item = reaper.GetMediaItemTake_Item(take)
  local count = math.floor(reaper.GetMediaItemInfo_Value(item, "D_LENGTH") * view_rate)
  local buffer = reaper.new_array(count)
  local accessor = reaper.CreateTakeAudioAccessor(take)
  reaper.GetAudioAccessorSamples(accessor, view_rate, 1, 0, count, buffer)
  reaper.DestroyAudioAccessor(accessor)
  local values, gain = {}, reaper.GetMediaItemInfo_Value(item, "D_VOL")
  for i = 1, count do values[i] = buffer[i] * gain end
  return values
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
say("  %-26s %9.1f %9.1f", "integrated (LUFS)", lufs_before, lufs_after)
say("  %-26s %9.1f %9.1f", "loudness range (LU)", range_before, range_after)
say("  %-26s %9.1f %9.1f", "speech window spread (dB)", spreads(before, after))

-- The picture: each take as min/max columns, the envelope over the first.
local width, panel, margin = 1000, 160, 30
local length = reaper.GetMediaItemInfo_Value(vocal, "D_LENGTH")
local function waveform(values, top)
  local middle, path = top + panel / 2, {}
  local per_column = #values / width
  for x = 0, width - 1 do
    local low, high = 0, 0
    for i = math.floor(x * per_column) + 1, math.max(math.floor((x + 1) * per_column), math.floor(x * per_column) + 1) do
      local v = values[i] or 0
      low, high = math.min(low, v), math.max(high, v)
    end
    path[#path + 1] = ("M%d %.1fV%.1f"):format(margin + x, middle - high * panel / 2, middle - low * panel / 2)
  end
  return ('<path d="%s" stroke="#3b6ea5" stroke-width="1"/>'):format(table.concat(path))
end
-- The envelope in dB: 0 dB on the centre line, 12 dB up or down at the edges.
local function envelope_line(top)
  local middle, coordinates = top + panel / 2, {}
  for _, point in ipairs(points) do
    local level = math.max(-12, math.min(12, dB(point.gain)))
    coordinates[#coordinates + 1] = ("%.1f,%.1f"):format(margin + point.time / length * width,
                                                         middle - level / 12 * panel / 2)
  end
  return ('<polyline points="%s" fill="none" stroke="#d9534f" stroke-width="1.5"/>'):format(table.concat(coordinates, " "))
end
local height = 2 * panel + 3 * margin
local svg = {
  ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" font-size="13">')
      :format(width + 2 * margin, height),
  '<rect width="100%" height="100%" fill="white"/>',
  ('<text x="%d" y="%d">Before: the spoken take; red: the volume envelope the hand automation drew (centre 0 dB, edges ±12 dB)</text>')
      :format(margin, margin - 10),
  waveform(before, margin), envelope_line(margin),
  ('<text x="%d" y="%d">After: the rendered take at the item volume that brings it to %d LUFS momentary</text>')
      :format(margin, 2 * margin + panel - 10, target),
  waveform(after, 2 * margin + panel),
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
