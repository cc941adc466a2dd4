// Extended state: REAPER's global sections, kept in the resource folder when
// persisted, and each project's own named data.
#include <string>

#include "api/host_api.hpp"
#include "model/caseless.hpp"
#include "model/need_big.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

const std::string& resource_folder() { return state().resource_path.path(); }

// A buffer the script engine passed grows to fit; any other takes what its size allows.
void write_sized(char* buffer, int size, const std::string& text) {
  if (find_need_big(buffer))
    write_need_big(buffer, text);
  else
    copy_text(text, buffer, size);
}

}  // namespace

const char* GetExtState(const char* section, const char* key) {
  const std::string* value = state().ext_state.find(resource_folder(), text_or_empty(section), text_or_empty(key));
  return value ? value->c_str() : "";
}

void SetExtState(const char* section, const char* key, const char* value, bool persist) {
  state().ext_state.set(resource_folder(), text_or_empty(section), text_or_empty(key), text_or_empty(value), persist);
}

bool HasExtState(const char* section, const char* key) {
  return state().ext_state.find(resource_folder(), text_or_empty(section), text_or_empty(key)) != nullptr;
}

void DeleteExtState(const char* section, const char* key, bool persist) {
  state().ext_state.erase(resource_folder(), text_or_empty(section), text_or_empty(key), persist);
}

int GetProjExtState(ReaProject* proj, const char* extname, const char* key, char* valOutNeedBig, int valOutNeedBig_sz) {
  auto* owner = find_project(proj);
  if (!owner) return 0;
  const auto named = find_caseless(owner->ext_state, text_or_empty(extname));
  if (named == owner->ext_state.end()) return 0;
  const auto found = find_caseless(named->second, text_or_empty(key));
  if (found == named->second.end()) return 0;
  write_sized(valOutNeedBig, valOutNeedBig_sz, found->second);
  return static_cast<int>(found->second.size());
}

// An empty key removes all of extname's data, an empty value that key.
int SetProjExtState(ReaProject* proj, const char* extname, const char* key, const char* value) {
  auto* owner = find_project(proj);
  if (!owner) return 0;
  const auto name = text_or_empty(extname), wanted = text_or_empty(key), text = text_or_empty(value);
  auto named = find_caseless(owner->ext_state, name);
  if (wanted.empty()) {
    if (named != owner->ext_state.end()) owner->ext_state.erase(named);
    return 0;
  }
  if (named == owner->ext_state.end()) {
    if (text.empty()) return 0;
    named = owner->ext_state.emplace(std::string(name), text_map{}).first;
  }
  auto& keys = named->second;
  const auto found = find_caseless(keys, wanted);
  if (text.empty()) {
    if (found != keys.end()) keys.erase(found);
  } else if (found != keys.end()) {
    found->second = text;
  } else {
    keys.emplace(std::string(wanted), std::string(text));
  }
  const int count = static_cast<int>(keys.size());
  if (keys.empty()) owner->ext_state.erase(named);
  return count;
}

bool EnumProjExtState(ReaProject* proj, const char* extname, int idx, char* keyOutOptional, int keyOutOptional_sz,
                      char* valOutOptional, int valOutOptional_sz) {
  auto* owner = find_project(proj);
  if (!owner || idx < 0) return false;
  const auto named = find_caseless(owner->ext_state, text_or_empty(extname));
  if (named == owner->ext_state.end() || idx >= static_cast<int>(named->second.size())) return false;
  const auto entry = std::next(named->second.begin(), idx);
  copy_text(entry->first, keyOutOptional, keyOutOptional_sz);
  copy_text(entry->second, valOutOptional, valOutOptional_sz);
  return true;
}

}  // namespace kvhost::api
