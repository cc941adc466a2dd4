// State chunks: tracks and items as project-file text.
#include <exception>
#include <filesystem>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "model/state.hpp"
#include "model/text.hpp"
#include "project_file/reader.hpp"
#include "project_file/writer.hpp"

namespace kvhost::api {
using namespace kvhost::model;

namespace {

// A buffer the host passed grows to the chunk; any other (Python's) holds
// what fits in the size its caller gave.
bool write_chunk(char* buffer, int size, const std::string& chunk) {
  if (find_need_big(buffer))
    write_need_big(buffer, chunk);
  else
    copy_text(chunk, buffer, size);
  return true;
}

}  // namespace

bool GetItemStateChunk(MediaItem* item, char* strNeedBig, int strNeedBig_sz, bool) {
  auto* member = find_item(item);
  return member && strNeedBig && write_chunk(strNeedBig, strNeedBig_sz, project_file::write_item_chunk(*member));
}

bool GetTrackStateChunk(MediaTrack* track, char* strNeedBig, int strNeedBig_sz, bool) {
  auto* member = find_track(track);
  return member && strNeedBig && !member->master &&
         write_chunk(strNeedBig, strNeedBig_sz, project_file::write_track_chunk(*member));
}

bool SetItemStateChunk(MediaItem* item, const char* str, bool) {
  auto* member = find_item(item);
  if (!member || !str) return false;
  const std::string& file = owner_project(*member).file;
  const std::string folder = file.empty() ? std::string() : std::filesystem::path(file).parent_path().string();
  try {
    project_file::read_item_chunk(*member, str, {folder, nullptr});
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace kvhost::api
