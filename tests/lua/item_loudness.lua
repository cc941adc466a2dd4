-- Loudness normalisation of real speech: afterwards the host's own analysis
-- finds the loudest momentary loudness on the target.

local speech = kvhost.project_path() .. "/loudness_speech.wav"
assert(os.execute(("espeak-ng -w '%s' 'Levels matter. Every voice deserves a fair hearing.'"):format(speech)))
local track = kvhost.add_tracks(0, {0})[1]

local function new_item(source)
  local item = reaper.AddMediaItemToTrack(track)
  local take = reaper.AddTakeToMediaItem(item)
  reaper.SetMediaItemTake_Source(take, source)
  reaper.SetMediaItemInfo_Value(item, "D_POSITION", 1)
  reaper.SetMediaItemInfo_Value(item, "D_LENGTH", reaper.GetMediaSourceLength(source))
  return item, take
end

local item, take = new_item(reaper.PCM_Source_CreateFromFile(speech))
for _, target in ipairs({-20, -9.5}) do
  local ok, position = reaper.KV_SetMediaItemLoudnessMaxMomentary(item, target)
  assert(ok)
  local analysed, _, _, _, _, _, momentary, _, momentary_position = reaper.NF_AnalyzeTakeLoudness2(take, false)
  assert(analysed)
  assert(math.abs(momentary - target) < 0.1, ("momentary maximum %.3f for target %.1f"):format(momentary, target))
  assert(position == momentary_position, "the out-parameter is the position of the maximum")
  assert(position >= 1, "in project time")
end
assert(reaper.KV_SetSelectedMediaIdLoudnessMaxMomentary(0, 0, -20) == false, "nothing selected")
reaper.SetMediaItemSelected(item, true)
assert(reaper.KV_SetSelectedMediaIdLoudnessMaxMomentary(0, 0, -20))

-- Digital silence has no loudness to move: the volume stays.
local zeros = {}
for i = 1, 48000 do zeros[i] = 0 end
local silent = new_item(kvhost.create_source(48000, 1, zeros))
local ok, position = reaper.KV_SetMediaItemLoudnessMaxMomentary(silent, -20)
assert(ok == false and position == 0)
assert(reaper.GetMediaItemInfo_Value(silent, "D_VOL") == 1)
