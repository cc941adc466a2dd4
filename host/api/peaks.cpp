// Peaks of a take's source for drawing and analysis.
#include <algorithm>
#include <cmath>

#include "api/host_api.hpp"
#include "model/peaks.hpp"
#include "model/playback.hpp"
#include "model/script_buffers.hpp"
#include "model/state.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

constexpr int max_peak_count = (1 << 20) - 1;  // the result's count has 20 bits
constexpr int max_channels = 128;

}  // namespace

// Maxima then minima, numchannels * numsamplesperchannel of each, channels
// interleaved; blocks start at starttime (project time) and follow each other
// at peakrate. The result is the count of blocks filled (at most 2^20 - 1;
// the layout stays that of the requested count), output mode 0, and no extra
// data: the spectral type is not offered, so its bit stays clear and the
// extra slots are left as they are.
int GetMediaItemTake_Peaks(MediaItem_Take* take, double peakrate, double starttime, int numchannels,
                           int numsamplesperchannel, int /*want_extra_type*/, double* buf) {
  auto* member = find_take(take);
  if (!member || !member->audio || !buf || !(peakrate > 0) || !std::isfinite(peakrate) || !std::isfinite(starttime) ||
      numchannels < 1 || numchannels > max_channels || numsamplesperchannel < 1)
    return 0;
  const auto block = static_cast<std::size_t>(numchannels) * static_cast<std::size_t>(numsamplesperchannel);
  if (2 * block > script_buffer_room(buf)) return 0;
  const sound& audio = *member->audio->audio;
  peak_request request;
  request.first_frame = source_frame(*member, starttime - member->owner->position);
  request.frames_per_peak = audio.rate * member->playrate / peakrate;
  request.channels = numchannels;
  request.count = std::min(numsamplesperchannel, max_peak_count);
  if (!std::isfinite(request.first_frame) || !std::isfinite(request.frames_per_peak)) return 0;
  compute_peaks(audio, request, buf, buf + block);
  return request.count;
}

}  // namespace kvhost::api
