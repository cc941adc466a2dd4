-- SWS functions from a script: loudness of a human voice recording, the
-- envelope object, and a host without SWS.

local track = kvhost.add_tracks(0, {0})[1]
local source = reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Left.wav")
local item = kvhost.add_item(track, 1.5, reaper.GetMediaSourceLength(source), source)
local take = reaper.GetActiveTake(item)

local ok, lufs, range, peak, peak_pos, short_max, momentary_max, short_pos, momentary_pos =
  reaper.NF_AnalyzeTakeLoudness2(take, true)
assert(ok)
assert(momentary_max > -40 and momentary_max < 0, momentary_max)
assert(lufs <= momentary_max and short_max <= momentary_max)
assert(peak > momentary_max - 20 and peak <= 0.5)
assert(peak_pos >= 0 and peak_pos < reaper.GetMediaItemInfo_Value(item, "D_LENGTH"))
local window = (momentary_pos - 1.5) / 0.4
assert(math.abs(window - math.floor(window + 0.5)) < 1e-9, "on the 400 ms grid from the item start")

-- Half the item volume is 6.02 dB less, everywhere.
reaper.SetMediaItemInfo_Value(item, "D_VOL", 0.5)
local _, _, _, _, _, _, quieter, _, same_pos = reaper.NF_AnalyzeTakeLoudness2(take, false)
assert(math.abs(quieter - (momentary_max - 6.0206)) < 0.01 and same_pos == momentary_pos)

-- The envelope object: ids are list positions, -1 appends, commit on free.
reaper.SetMediaItemSelected(item, true)
reaper.Main_OnCommandEx(40693, 0, 0)
local volume = reaper.GetTakeEnvelopeByName(take, "Volume")
local env = reaper.BR_EnvAlloc(volume, false)
assert(reaper.BR_EnvCountPoints(env) == 1)
assert(reaper.BR_EnvSetPoint(env, -1, 0.3, 0.25, 0, false, 0))
assert(not reaper.BR_EnvSetPoint(env, 5, 0.3, 0.25, 0, false, 0))
local got, position, value = reaper.BR_EnvGetPoint(env, 1)
assert(got and position == 0.3 and value == 0.25)
local active, visible = reaper.BR_EnvGetProperties(env)
assert(active and visible)
assert(reaper.CountEnvelopePoints(volume) == 1)
assert(reaper.BR_EnvFree(env, true))
assert(reaper.CountEnvelopePoints(volume) == 2)

-- Without SWS the host has none of its functions.
kvhost.hide_sws()
assert(reaper.BR_EnvAlloc == nil and reaper.NF_AnalyzeTakeLoudness2 == nil)
assert(reaper.GetActiveTake(item) == take)
kvhost.show_all_functions()
assert(reaper.BR_EnvAlloc ~= nil)
