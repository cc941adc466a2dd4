#include "playback.hpp"

#include <cmath>

namespace kvhost::model {
namespace {

// Offsets such as 0.1 s at 48 kHz land a hair off a whole frame.
double snap_to_frame(double frame) {
  const double whole = std::round(frame);
  return std::abs(frame - whole) < 1e-6 ? whole : frame;
}

}  // namespace

double source_frame(const take& played, double take_time) {
  if (!played.audio) return 0;
  return snap_to_frame((played.start_offset + take_time * played.playrate) * played.audio->audio->rate);
}

take_player::take_player(const take& played, bool with_item_volume) {
  if (!played.audio) return;
  audio_ = played.audio->audio.get();
  volume_envelope_ = played.active_volume();
  gain_ = played.volume * (with_item_volume ? played.owner->volume : 1.0);
  start_ = source_frame(played, 0);
  step_ = played.playrate;
  const double length = std::max(0.0, played.owner->length) * audio_->rate;
  frames_ = std::isfinite(length) ? std::llround(std::min(length, 1e15)) : 0;
}

void take_player::read(std::int64_t first, std::int64_t count, float* out) {
  if (!audio_) return;
  const int channels = audio_->channels;
  for (std::int64_t k = 0; k < count; ++k) {
    const std::int64_t frame = first + k;
    double gain = gain_;
    if (volume_envelope_) gain *= volume_envelope_->value_at(static_cast<double>(frame) / audio_->rate, envelope_hint_);
    const double position = start_ + static_cast<double>(frame) * step_;
    for (int c = 0; c < channels; ++c)
      out[k * channels + c] = static_cast<float>(sample_at(*audio_, position, c) * gain);
  }
}

}  // namespace kvhost::model
