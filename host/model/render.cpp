#include "render.hpp"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

#include "playback.hpp"

namespace kvhost::model {
namespace {

std::filesystem::path free_file_name(const std::filesystem::path& folder, const take& played) {
  std::string stem = std::filesystem::path(played.audio->file).stem().string();
  if (stem.empty()) stem = played.name.empty() ? "take" : played.name;
  std::replace(stem.begin(), stem.end(), '/', '_');
  std::error_code error;
  for (int number = 1;; ++number) {
    auto candidate = folder / (stem + "-render-" + std::to_string(number) + ".wav");
    if (!std::filesystem::exists(candidate, error)) return candidate;
  }
}

std::string write_render(const take& played, const std::string& folder) {
  take_player player(played, false);
  if (!player.has_audio() || player.frames() <= 0) return {};
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const auto path = free_file_name(folder, played);
  sound_file_writer writer(path.string(), player.rate(), player.channels());
  constexpr std::int64_t chunk = 1 << 14;
  std::vector<float> frames(static_cast<std::size_t>(chunk * player.channels()));
  for (std::int64_t first = 0; first < player.frames() && writer.ok(); first += chunk) {
    const std::int64_t count = std::min(chunk, player.frames() - first);
    player.read(first, count, frames.data());
    writer.write(frames.data(), count);
  }
  if (writer.close()) return path.string();
  std::filesystem::remove(path, error);
  return {};
}

}  // namespace

std::string render_take(const take& played, const std::string& folder) {
  try {  // out of memory or a path the file system refuses: nothing rendered
    return write_render(played, folder);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace kvhost::model
