#pragma once
// Decoded audio: interleaved float samples at one rate. Sources share it, so
// a sound file is decoded once however often its samples are read.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kvhost::model {

struct sound {
  int rate = 0;
  int channels = 0;
  std::vector<float> samples;  // frame after frame, channels interleaved

  std::int64_t frames() const { return channels > 0 ? static_cast<std::int64_t>(samples.size()) / channels : 0; }
  double length() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0; }
};

// One channel at a fractional frame position, linear between frames; 0
// outside the sound.
double sample_at(const sound& audio, double position, int channel);

// Reads a sound file with libsndfile; null when it cannot be read.
std::shared_ptr<const sound> read_sound_file(const std::string& path);

// Writes frames to a new 32-bit float WAV file, chunk by chunk, so a long
// render never needs its whole result in memory.
class sound_file_writer {
 public:
  sound_file_writer(const std::string& path, int rate, int channels);  // check ok()
  ~sound_file_writer();
  sound_file_writer(const sound_file_writer&) = delete;
  sound_file_writer& operator=(const sound_file_writer&) = delete;

  bool ok() const { return file_ != nullptr && !failed_; }
  void write(const float* frames, std::int64_t count);
  // Closes the file; false when anything failed.
  bool close();

 private:
  void* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace kvhost::model
