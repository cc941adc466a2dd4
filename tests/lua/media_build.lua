-- A script builds an item on real speech with the ReaScript functions, reads
-- its peaks and samples, and renders it through a volume envelope.

local folder = kvhost.project_path(0)
local speech = folder .. "/speech.wav"
assert(os.execute(string.format("espeak-ng -w '%s' 'Peaks of a spoken sentence'", speech)))

local track = kvhost.add_tracks(0, {0})[1]
local source = reaper.PCM_Source_CreateFromFile(speech)
assert(source, "espeak-ng wrote a readable file")
local rate = reaper.GetMediaSourceSampleRate(source)
local length = reaper.GetMediaSourceLength(source)
local item = reaper.AddMediaItemToTrack(track)
local take = reaper.AddTakeToMediaItem(item)
assert(reaper.SetMediaItemTake_Source(take, source))
reaper.SetMediaItemInfo_Value(item, "D_POSITION", 2)
reaper.SetMediaItemInfo_Value(item, "D_LENGTH", length)
assert(reaper.GetMediaItem(0, 0) == item and reaper.CountMediaItems(0) == 1)
assert(reaper.GetMediaItemTake_Item(take) == item and reaper.GetActiveTake(item) == take)
local loud, n, peakrate, peaks

-- Peaks of 441 samples each from the item start agree with the raw samples.
kvhost.case("Peaks of 441 samples each from the item start agree with the raw samples.", function()
  local per_peak = 441
  peakrate = rate / per_peak
  n = math.floor(length * peakrate)
  peaks = reaper.new_array(2 * n)
  local result = reaper.GetMediaItemTake_Peaks(take, peakrate, 2, 1, n, 0, peaks)
  assert(result & 0xFFFFF == n and result & 0x1000000 == 0)
  local samples = reaper.new_array(n * per_peak)
  local accessor = reaper.CreateTakeAudioAccessor(take)
  assert(reaper.GetAudioAccessorSamples(accessor, rate, 1, 0, n * per_peak, samples) == 1)
  reaper.DestroyAudioAccessor(accessor)
  loud = 0
  for i = 0, n - 1, 7 do
    local high, low = -2, 2
    for k = i * per_peak + 1, (i + 1) * per_peak do
      high, low = math.max(high, samples[k]), math.min(low, samples[k])
    end
    assert(peaks[i + 1] == high and peaks[n + i + 1] == low, i)
    loud = math.max(loud, high)
  end
  assert(loud > 0.1, "real speech is not silence")
end)

-- A buffer too small for the request is refused, not overrun.
kvhost.case("A buffer too small for the request is refused, not overrun.", function()
  assert(reaper.GetMediaItemTake_Peaks(take, peakrate, 2, 1, n, 0, reaper.new_array(n)) == 0)
end)

-- Halve the volume through the envelope and render: the new take is half as loud.
kvhost.case("Halve the volume through the envelope and render", function()
  reaper.SetMediaItemSelected(item, true)
  reaper.Main_OnCommandEx(40693, 0, 0)
  local volume = reaper.GetTakeEnvelopeByName(take, "Volume")
  assert(reaper.CountEnvelopePoints(volume) == 1)
  reaper.InsertEnvelopePoint(volume, 0, 0.5, 0, 0, false)
  local ok, t, v = reaper.GetEnvelopePoint(volume, 1)
  assert(ok and t == 0 and v == 0.5)
  assert(reaper.Envelope_Evaluate(volume, 1.0, rate, 1) >= 1)
  assert(select(2, reaper.Envelope_Evaluate(volume, 1.0, rate, 1)) == 0.5)
  reaper.Main_OnCommandEx(41999, 0, 0)
  local rendered = reaper.GetActiveTake(item)
  assert(rendered ~= take and reaper.CountTakes(item) == 2)
  local file = reaper.GetMediaSourceFileName(reaper.GetMediaItemTake_Source(rendered))
  assert(file:sub(1, #folder) == folder and file:match("%.wav$"), file)
  local half = reaper.new_array(2 * n)
  assert(reaper.GetMediaItemTake_Peaks(rendered, peakrate, 2, 1, n, 0, half) & 0xFFFFF == n)
  for i = 1, n, 7 do assert(half[i] == peaks[i] * 0.5, i) end

  local log = kvhost.commands()
  assert(#log == 2 and log[2].command == 41999 and log[2].items[1] == item)
end)
