// Audio sources of takes, and audio accessors reading their samples.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "api/host_api.hpp"
#include "model/playback.hpp"
#include "model/script_buffers.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int max_channels = 128;
constexpr double max_sample_rate = 10'000'000;

}  // namespace

PCM_source* PCM_Source_CreateFromFile(const char* filename) {
  if (!filename) return nullptr;
  auto audio = read_sound_file(filename);
  if (!audio) return nullptr;
  return handle(state().loose_sources.emplace_back(std::make_unique<source>(std::move(audio), filename)).get());
}

// Only a source its caller still owns is destroyed; a take's source stays.
void PCM_Source_Destroy(PCM_source* src) {
  auto* member = find_source(src);
  if (member && !member->owner) release_from(state().loose_sources, member);
}

// The take's previous source goes back to the caller, as the host does.
bool SetMediaItemTake_Source(MediaItem_Take* take, PCM_source* source) {
  auto* member = find_take(take);
  auto* given = find_source(source);
  if (!member || !given) return false;
  if (given->owner) return given->owner == member;
  auto adopted = release_from(state().loose_sources, given);
  adopted->owner = member;
  if (member->audio) {
    member->audio->owner = nullptr;
    state().loose_sources.push_back(std::move(member->audio));
  }
  member->audio = std::move(adopted);
  return true;
}

PCM_source* GetMediaItemTake_Source(MediaItem_Take* take) {
  auto* member = find_take(take);
  return member ? handle(member->audio.get()) : nullptr;
}

int GetMediaSourceSampleRate(PCM_source* source) {
  auto* member = find_source(source);
  return member ? member->audio->rate : 0;
}

int GetMediaSourceNumChannels(PCM_source* source) {
  auto* member = find_source(source);
  return member ? member->audio->channels : 0;
}

double GetMediaSourceLength(PCM_source* source, bool* lengthIsQNOut) {
  auto* member = find_source(source);
  if (lengthIsQNOut) *lengthIsQNOut = false;
  return member ? member->audio->length() : 0;
}

void GetMediaSourceFileName(PCM_source* source, char* filenamebufOut, int filenamebufOut_sz) {
  auto* member = find_source(source);
  copy_text(member ? member->file : "", filenamebufOut, filenamebufOut_sz);
}

AudioAccessor* CreateTakeAudioAccessor(MediaItem_Take* take) {
  auto* member = find_take(take);
  if (!member) return nullptr;
  auto& made = *state().accessors.emplace_back(std::make_unique<audio_accessor>());
  made.target = member;
  return handle(&made);
}

// The source's samples from take time starttime_sec on, at the rate asked
// (linear between source frames), interleaved; one channel asked of a
// multichannel source is their mean, else channel c reads source channel c
// mod n. 1: written; 0: no audio; -1: a bad request.
int GetAudioAccessorSamples(AudioAccessor* accessor, int samplerate, int numchannels, double starttime_sec,
                            int numsamplesperchannel, double* samplebuffer) {
  auto* reader = find_accessor(accessor);
  take* member = reader ? live<take>::find(reader->target) : nullptr;
  if (!member || !samplebuffer || samplerate <= 0 || samplerate > max_sample_rate || numchannels < 1 ||
      numchannels > max_channels || numsamplesperchannel < 0 || !std::isfinite(starttime_sec))
    return -1;
  const auto wanted = static_cast<std::size_t>(numchannels) * static_cast<std::size_t>(numsamplesperchannel);
  if (wanted > script_buffer_room(samplebuffer)) return -1;
  std::fill_n(samplebuffer, wanted, 0.0);
  if (!member->audio) return 0;
  const sound& audio = *member->audio->audio;
  const double frames_per_sample = member->playrate * audio.rate / samplerate;
  const double first = source_frame(*member, starttime_sec);
  for (int k = 0; k < numsamplesperchannel; ++k) {
    const double position = first + k * frames_per_sample;
    double* out = samplebuffer + static_cast<std::size_t>(k) * static_cast<std::size_t>(numchannels);
    if (numchannels == 1 && audio.channels > 1) {
      double sum = 0;
      for (int c = 0; c < audio.channels; ++c) sum += sample_at(audio, position, c);
      out[0] = sum / audio.channels;
    } else {
      for (int c = 0; c < numchannels; ++c) out[c] = sample_at(audio, position, c % audio.channels);
    }
  }
  return 1;
}

void DestroyAudioAccessor(AudioAccessor* accessor) {
  if (auto* reader = find_accessor(accessor)) release_from(state().accessors, reader);
}

}  // namespace kvhost::api
