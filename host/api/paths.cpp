// Folders: project, resource and recording.
#include <string_view>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

void GetProjectPath(char* bufOut, int bufOut_sz) { copy_text(state().current->path.path(), bufOut, bufOut_sz); }

const char* GetResourcePath() { return state().resource_path.path().c_str(); }

bool GetSetProjectInfo_String(ReaProject* project, const char* desc, char* valuestrNeedBig, bool is_set) {
  auto* owner = find_project(project);
  if (!owner || !valuestrNeedBig || text_or_empty(desc) != "RECORD_PATH") return false;
  if (is_set)
    owner->record_path = valuestrNeedBig;
  else
    copy_text(owner->record_path, valuestrNeedBig, need_big_size);
  return true;
}

}  // namespace kvhost::api
