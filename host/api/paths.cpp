// Folders (project, resource and recording) and the growth of NeedBig outputs.
#include <filesystem>
#include <string_view>

#include "api/host_api.hpp"
#include "loader/extension.hpp"
#include "model/need_big.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

// The recording folder: the project folder, or the RECORD_PATH setting within
// it (an absolute setting alone).
void GetProjectPath(char* bufOut, int bufOut_sz) {
  project& current = *state().current;
  const std::string& folder = current.path.path();
  if (current.record_path.empty())
    copy_text(folder, bufOut, bufOut_sz);
  else
    copy_text((std::filesystem::path(folder) / current.record_path).string(), bufOut, bufOut_sz);
}

const char* GetResourcePath() {
  folder& resource = state().resource_path;
  if (!resource.chosen()) link_user_plugins(resource.path());
  return resource.path().c_str();
}

bool GetSetProjectInfo_String(ReaProject* project, const char* desc, char* valuestrNeedBig, bool is_set) {
  auto* owner = find_project(project);
  if (!owner || !valuestrNeedBig || text_or_empty(desc) != "RECORD_PATH") return false;
  if (is_set)
    owner->record_path = read_need_big(valuestrNeedBig);
  else
    write_need_big(valuestrNeedBig, owner->record_path);
  return true;
}

bool realloc_cmd_ptr(char** ptr, int* ptr_size, int new_size) { return grow_need_big(ptr, ptr_size, new_size); }

}  // namespace kvhost::api
