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

// The buffer's size argument is not needed: the host knows the NeedBig
// buffers it passed, and any other is taken at the usual NeedBig size.
bool GetItemStateChunk(MediaItem* item, char* strNeedBig, int, bool) {
  auto* member = find_item(item);
  if (!member || !strNeedBig) return false;
  write_need_big(strNeedBig, project_file::write_item_chunk(*member));
  return true;
}

bool GetTrackStateChunk(MediaTrack* track, char* strNeedBig, int, bool) {
  auto* member = find_track(track);
  if (!member || !strNeedBig || member->master) return false;
  write_need_big(strNeedBig, project_file::write_track_chunk(*member));
  return true;
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
