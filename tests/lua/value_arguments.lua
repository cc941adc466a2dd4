-- Pointer parameters that are not outputs: a sample buffer takes only a
-- script array (a handle or a number there used to be written through), and
-- a value passed by address ("...In", "...InOptional") takes the value itself.
local track = kvhost.add_tracks(0, {0})[1]
local item = reaper.AddMediaItemToTrack(track)
local take = reaper.AddTakeToMediaItem(item)
assert(reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Center.wav")))
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1)

for _, wrong in ipairs({take, 64}) do
  local ok, message = pcall(reaper.GetMediaItemTake_Peaks, take, 1000, 0, 1, 100, 0, wrong)
  assert(not ok and message:find("reaper.array expected"), message)
  assert(not pcall(reaper.GetAudioAccessorSamples, reaper.CreateTakeAudioAccessor(take), 8000, 1, 0, 100, wrong))
end
assert(reaper.GetMediaItemTake_Peaks(take, 1000, 0, 1, 100, 0, reaper.new_array(200)) & 0xFFFFF == 100)

reaper.SetMediaItemSelected(item, true)
reaper.Main_OnCommandEx(40693, 0, 0)
local volume = reaper.GetTakeEnvelopeByName(take, "Volume")
assert(reaper.InsertEnvelopePoint(volume, 0.5, 0.5, 0, 0, false, true))
assert(reaper.InsertEnvelopePoint(volume, 0.25, 0.7, 0, 0, false, true))
assert(select(2, reaper.GetEnvelopePoint(volume, 2)) == 0.25, "no sorting asked")
assert(reaper.InsertEnvelopePoint(volume, 0.1, 0.9, 0, 0, false))
assert(select(2, reaper.GetEnvelopePoint(volume, 1)) == 0.1, "sorted when not asked otherwise")

local copy = reaper.BR_EnvAlloc(volume, false)
reaper.BR_EnvSetProperties(copy, true, true, false, false, 0, 0, false, 5)
assert(select(12, reaper.BR_EnvGetProperties(copy)) == 5)
reaper.BR_EnvFree(copy, false)
