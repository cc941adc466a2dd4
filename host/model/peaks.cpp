#include "peaks.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kvhost::model {
namespace {

// A frame position as an integer, kept just outside the sound when far away.
std::int64_t frame_index(double position, std::int64_t frames) {
  if (!(position > -1.0)) return -1;
  if (position > static_cast<double>(frames) + 1.0) return frames + 1;
  return static_cast<std::int64_t>(std::floor(position));
}

struct extremes {
  float high = 0;
  float low = 0;
};

// Plain loops over contiguous floats: the compiler turns them into vector code.
extremes scan(const float* samples, std::size_t count, std::size_t stride) {
  float high = samples[0], low = samples[0];
  if (stride == 1) {
    for (std::size_t i = 1; i < count; ++i) {
      const float v = samples[i];
      high = v > high ? v : high;
      low = v < low ? v : low;
    }
  } else {
    for (std::size_t i = stride; i < count * stride; i += stride) {
      const float v = samples[i];
      high = v > high ? v : high;
      low = v < low ? v : low;
    }
  }
  return {high, low};
}

}  // namespace

void compute_peaks(const sound& audio, const peak_request& request, double* maxima, double* minima) {
  const std::int64_t frames = audio.frames();
  const auto source_channels = static_cast<std::size_t>(audio.channels);
  const auto out_channels = static_cast<std::size_t>(request.channels);
  for (int i = 0; i < request.count; ++i) {
    std::int64_t begin = frame_index(request.first_frame + i * request.frames_per_peak, frames);
    std::int64_t end = frame_index(request.first_frame + (i + 1.0) * request.frames_per_peak, frames);
    if (end <= begin) end = begin + 1;  // blocks narrower than a frame show the frame they start in
    const std::int64_t inside_begin = std::max<std::int64_t>(begin, 0);
    const std::int64_t inside_end = std::min(end, frames);
    const bool reaches_outside = begin < 0 || end > frames;
    const std::size_t slot = static_cast<std::size_t>(i) * out_channels;
    for (std::size_t c = 0; c < out_channels; ++c) {
      extremes found;
      if (inside_end > inside_begin) {
        const auto count = static_cast<std::size_t>(inside_end - inside_begin);
        const float* first = audio.samples.data() + static_cast<std::size_t>(inside_begin) * source_channels;
        if (out_channels == 1)
          found = scan(first, count * source_channels, 1);
        else
          found = scan(first + c % source_channels, count, source_channels);
        if (reaches_outside) found = {std::max(found.high, 0.0f), std::min(found.low, 0.0f)};
      }
      maxima[slot + c] = found.high;
      minima[slot + c] = found.low;
    }
  }
}

}  // namespace kvhost::model
