#pragma once
// A take as it plays in its item, at its source's rate: the source samples
// from the take offset at the take's play rate, times the take volume, the
// active "Volume" envelope and, when asked, the item volume. Rendering and
// loudness analysis both hear the take through this.
#include <cstdint>

#include "media.hpp"

namespace kvhost::model {

class take_player {
 public:
  take_player(const take& played, bool with_item_volume);

  bool has_audio() const { return audio_ != nullptr; }
  int rate() const { return audio_ ? audio_->rate : 0; }
  int channels() const { return audio_ ? audio_->channels : 0; }
  std::int64_t frames() const { return frames_; }  // the item length at the source's rate

  // Writes count frames (interleaved) from item frame first; reading onwards
  // from where the last read ended is the fast path.
  void read(std::int64_t first, std::int64_t count, float* out);

 private:
  const sound* audio_ = nullptr;
  const envelope* volume_envelope_ = nullptr;
  double gain_ = 1;
  double start_ = 0;  // source frame at the item start
  double step_ = 1;   // source frames per played frame
  std::int64_t frames_ = 0;
  std::size_t envelope_hint_ = 0;
};

// Where a take's play position (seconds from the item start) sits in its
// source, in source frames; whole frames stay exact.
double source_frame(const take& played, double take_time);

}  // namespace kvhost::model
