#include "loudness.hpp"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <vector>

#include "playback.hpp"

namespace kvhost::model {
namespace {

struct state_closer {
  void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using meter = std::unique_ptr<ebur128_state, state_closer>;

double floored(double value) { return std::isfinite(value) && value > loudness_floor ? value : loudness_floor; }

std::int64_t next_multiple(std::int64_t at, std::int64_t step) { return (at / step + 1) * step; }

std::int64_t frames_of(double seconds, int rate) { return std::max<std::int64_t>(1, std::llround(seconds * rate)); }

// The largest value seen so far and where the first of them ended.
struct maximum {
  double value = -std::numeric_limits<double>::infinity();
  std::int64_t index = 0;
  void offer(double candidate, std::int64_t at) {
    if (candidate > value) {
      value = candidate;
      index = at;
    }
  }
};

}  // namespace

namespace {

std::optional<loudness> measure(const take& played, bool with_true_peak) {
  take_player player(played, true);
  if (!player.has_audio() || player.frames() <= 0) return std::nullopt;
  const auto channels = static_cast<unsigned>(player.channels());
  const auto rate = static_cast<unsigned long>(player.rate());
  int mode = EBUR128_MODE_M | EBUR128_MODE_S | EBUR128_MODE_I | EBUR128_MODE_LRA;
  if (with_true_peak) mode |= EBUR128_MODE_TRUE_PEAK;
  meter state(ebur128_init(channels, rate, mode));
  if (!state) return std::nullopt;

  const std::int64_t total = player.frames();
  const std::int64_t momentary_frames = frames_of(0.4, player.rate());
  const std::int64_t short_frames = frames_of(3.0, player.rate());
  // The true peak is found chunk by chunk; 10 ms chunks place it closely.
  const std::int64_t peak_frames = with_true_peak ? frames_of(0.01, player.rate()) : total;
  std::vector<float> chunk(static_cast<std::size_t>(std::min(momentary_frames, peak_frames)) * channels);
  maximum momentary, short_term, true_peak;
  for (std::int64_t at = 0; at < total;) {
    const std::int64_t next = std::min(
        {next_multiple(at, momentary_frames), next_multiple(at, short_frames), next_multiple(at, peak_frames), total});
    const auto count = static_cast<std::size_t>(next - at);
    player.read(at, next - at, chunk.data());
    if (ebur128_add_frames_float(state.get(), chunk.data(), count) != EBUR128_SUCCESS) return std::nullopt;
    if (with_true_peak) {
      double peak = 0;
      for (unsigned c = 0; c < channels; ++c) {
        double channel_peak = 0;
        if (ebur128_prev_true_peak(state.get(), c, &channel_peak) == EBUR128_SUCCESS)
          peak = std::max(peak, channel_peak);
      }
      if (peak > true_peak.value) {
        // Within the chunk, the loudest sample marks the place.
        const auto loudest =
            std::max_element(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count * channels),
                             [](float a, float b) { return std::abs(a) < std::abs(b); });
        true_peak.value = peak;
        true_peak.index = at + (loudest - chunk.begin()) / static_cast<std::ptrdiff_t>(channels);
      }
    }
    at = next;
    double value = 0;
    if ((at % momentary_frames == 0 || at == total) &&
        ebur128_loudness_momentary(state.get(), &value) == EBUR128_SUCCESS)
      momentary.offer(floored(value), (at - 1) / momentary_frames);
    if ((at % short_frames == 0 || at == total) && ebur128_loudness_shortterm(state.get(), &value) == EBUR128_SUCCESS)
      short_term.offer(floored(value), (at - 1) / short_frames);
  }

  loudness result;
  double value = 0;
  if (ebur128_loudness_global(state.get(), &value) != EBUR128_SUCCESS) return std::nullopt;
  result.integrated = floored(value);
  result.range = ebur128_loudness_range(state.get(), &value) == EBUR128_SUCCESS && std::isfinite(value) ? value : 0;
  const double position = played.owner->position;
  result.momentary_max = floored(momentary.value);
  result.momentary_max_position = position + 0.4 * static_cast<double>(momentary.index);
  result.short_term_max = floored(short_term.value);
  result.short_term_max_position = position + 3.0 * static_cast<double>(short_term.index);
  if (with_true_peak) {
    result.true_peak = true_peak.value > 0 ? floored(20 * std::log10(true_peak.value)) : loudness_floor;
    result.true_peak_position = static_cast<double>(true_peak.index) / player.rate();
  }
  return result;
}

}  // namespace

std::optional<loudness> analyse_loudness(const take& played, bool with_true_peak) {
  try {  // out of memory: a failed analysis
    return measure(played, with_true_peak);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace kvhost::model
