#pragma once
// REAPER's global extended state: sections of key = value text kept in
// memory for the session, the persisted part also in the resource folder's
// reaper-extstate.ini, read when first used. Sections and keys are compared
// without regard to case and kept as first given.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "caseless.hpp"

namespace kvhost::model {

class ext_state_store {
 public:
  using section = std::map<std::string, std::string, caseless_less>;

  // folder: the resource folder; the file there is read again when it changes.
  // Null when absent; else valid until the next change.
  const std::string* find(const std::string& folder, std::string_view name, std::string_view key);
  void set(const std::string& folder, std::string_view name, std::string_view key, std::string_view value,
           bool persist);
  void erase(const std::string& folder, std::string_view name, std::string_view key, bool persist);

 private:
  using sections = std::map<std::string, section, caseless_less>;
  void load(const std::string& folder);
  void save() const;

  std::optional<std::string> folder_;
  sections memory_;
  // What the file holds: a value once persisted stays there while the
  // session changes it only in memory.
  sections file_;
};

}  // namespace kvhost::model
