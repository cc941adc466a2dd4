#include "sound.hpp"

#include <sndfile.h>

#include <cmath>
#include <new>

namespace kvhost::model {
namespace {

double frame_sample(const sound& audio, std::int64_t frame, int channel) {
  if (frame < 0 || frame >= audio.frames()) return 0;
  return audio.samples[static_cast<std::size_t>(frame * audio.channels + channel)];
}

}  // namespace

double sample_at(const sound& audio, double position, int channel) {
  if (!(position > -1.0 && position < static_cast<double>(audio.frames()) + 1.0)) return 0;
  const double whole = std::floor(position);
  const auto index = static_cast<std::int64_t>(whole);
  const double value = frame_sample(audio, index, channel);
  const double fraction = position - whole;
  return fraction > 0 ? value + (frame_sample(audio, index + 1, channel) - value) * fraction : value;
}

std::shared_ptr<const sound> read_sound_file(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return nullptr;
  std::shared_ptr<sound> decoded;
  try {  // a file too large for memory is unreadable, not a crash
    decoded = std::make_shared<sound>();
    decoded->rate = info.samplerate;
    decoded->channels = info.channels;
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0)
      decoded = nullptr;
    else
      decoded->samples.resize(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
  } catch (const std::bad_alloc&) {
    decoded = nullptr;
  }
  if (decoded && sf_readf_float(file, decoded->samples.data(), info.frames) != info.frames) decoded = nullptr;
  sf_close(file);
  return decoded;
}

sound_file_writer::sound_file_writer(const std::string& path, int rate, int channels) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  file_ = sf_open(path.c_str(), SFM_WRITE, &info);
}

sound_file_writer::~sound_file_writer() { close(); }

void sound_file_writer::write(const float* frames, std::int64_t count) {
  if (!ok() || count <= 0) return;
  if (sf_writef_float(static_cast<SNDFILE*>(file_), frames, count) != count) failed_ = true;
}

bool sound_file_writer::close() {
  if (!file_) return false;
  if (sf_close(static_cast<SNDFILE*>(file_)) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace kvhost::model
