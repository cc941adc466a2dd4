-- Media items: a spoken sentence brought to a loudness target, then levelled
-- by hand-drawn volume automation and rendered.
-- Run alone with: kvhost examples/media.lua

local function say(format, ...) reaper.ShowConsoleMsg(format:format(...) .. "\n") end

local speech = reaper.GetProjectPath() .. "/demo_speech.wav"
os.execute(("espeak-ng -w '%s' 'Loud words come down, quiet words stay where they are.'"):format(speech))
local source = reaper.PCM_Source_CreateFromFile(speech)
if not source then return say("Media items: espeak-ng made no speech, nothing to show") end

local track = reaper.KV_InsertTrackSearchUniqueOnly(0, "Voice")
local item = reaper.AddMediaItemToTrack(track)
reaper.SetMediaItemTake_Source(reaper.AddTakeToMediaItem(item), source)
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", reaper.GetMediaSourceLength(source))

local function momentary_max()
  local _, _, _, _, _, _, loudest = reaper.NF_AnalyzeTakeLoudness2(reaper.GetActiveTake(item), false)
  return loudest
end
say("Media items: %.2f s of speech, loudest momentary loudness %.1f LUFS", reaper.GetMediaItemInfo_Value(item, "D_LENGTH"),
    momentary_max())
local _, at = reaper.KV_SetMediaItemLoudnessMaxMomentary(item, -16)
say("  KV_SetMediaItemLoudnessMaxMomentary(item, -16): item volume %.2f dB, loudest now %.1f LUFS at %.1f s",
    20 * math.log(reaper.GetMediaItemInfo_Value(item, "D_VOL"), 10), momentary_max(), at)
reaper.KV_SetMediaItemHANDAUTOMER(item, 0)
local envelope = reaper.GetTakeEnvelopeByName(reaper.GetMediaItemTake(item, 0), "Volume")
say("  KV_SetMediaItemHANDAUTOMER(item, 0): %d volume points drawn, rendered into take %d; loudest now %.1f LUFS",
    reaper.CountEnvelopePoints(envelope), reaper.CountTakes(item), momentary_max())
