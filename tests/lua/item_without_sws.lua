-- Without the SWS extension every operation that needs it asks the user once
-- per call, naming the function called, returns false and changes nothing.

kvhost.hide_sws()
local track = kvhost.add_tracks(0, {0})[1]
local item = reaper.AddMediaItemToTrack(track)
local take = reaper.AddTakeToMediaItem(item)
reaper.SetMediaItemTake_Source(take, reaper.PCM_Source_CreateFromFile("/usr/share/sounds/alsa/Front_Left.wav"))
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", 1)
reaper.SetMediaItemSelected(item, true)

local calls = {
  {"KV_SetMediaItemHANDAUTOMER", item, 0},
  {"KV_SetMediaIdHANDAUTOMER", 0, 0, 1},
  {"KV_SetSelectedMediaIdHANDAUTOMER", 0, 0, 2},
  {"KV_SetMediaItemLoudnessMaxMomentary", item, -18},
  {"KV_SetMediaIdLoudnessMaxMomentary", 0, 0, -18},
  {"KV_SetSelectedMediaIdLoudnessMaxMomentary", 0, 0, -18},
  {"KV_SetMediaItemEnvelopeAllOFF", item},
  {"KV_SetMediaIdEnvelopeAllOFF", 0, 0},
  {"KV_SetSelectedMediaIdEnvelopeAllOFF", 0, 0},
}
for i, call in ipairs(calls) do
  kvhost.queue_message_box_answer(7)
  local ok, out = reaper[call[1]](table.unpack(call, 2))
  assert(ok == false, call[1])
  assert(out == nil or out == 0, "maxMomentaryOut is not written")
  local dialogs = kvhost.dialogs()
  assert(#dialogs == i, call[1] .. " asks once")
  assert(dialogs[i].title == "KELVARO_COBALT")
  assert(dialogs[i].text:find(call[1], 1, true), dialogs[i].text)
end
assert(#kvhost.commands() == 0)
assert(reaper.GetMediaItemInfo_Value(item, "D_VOL") == 1)
assert(reaper.CountTakes(item) == 1 and reaper.CountTakeEnvelopes(take) == 0)
assert(reaper.IsMediaItemSelected(item))
