#include "ext_state.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "run_stop.hpp"

namespace kvhost::model {
namespace {

constexpr const char* file_name = "reaper-extstate.ini";

std::string file_in(const std::string& folder) { return (std::filesystem::path(folder) / file_name).string(); }

// "[section]" starts a section; "key=value" up to the first "="; other lines
// are not read (a value that held a line break continues on such a line).
void read_ini(const std::string& path, std::map<std::string, ext_state_store::section, caseless_less>& into) {
  std::ifstream in(path, std::ios::binary);
  std::string line, current;
  bool in_section = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
      in_section = true;
      into.try_emplace(current);
      continue;
    }
    const auto equals = line.find('=');
    if (!in_section || equals == std::string::npos || equals == 0) continue;
    into[current].insert_or_assign(line.substr(0, equals), line.substr(equals + 1));
  }
}

}  // namespace

void ext_state_store::load(const std::string& folder) {
  if (folder_ == folder) return;
  folder_ = folder;
  memory_.clear();
  file_.clear();
  read_ini(file_in(folder), file_);
  memory_ = file_;
}

// Written whole to a new file that then replaces the old, so a failed write
// leaves the old file.
void ext_state_store::save() const {
  const std::string path = file_in(*folder_), temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const auto& [name, keys] : file_) {
      if (keys.empty()) continue;
      out << '[' << name << "]\n";
      for (const auto& [key, value] : keys) out << key << '=' << value << '\n';
      out << '\n';
    }
    out.flush();
    if (out) {
      out.close();
      std::error_code failed;
      std::filesystem::rename(temporary, path, failed);
      if (!failed) return;
    }
  }
  std::remove(temporary.c_str());
  stop_run(run_bad_input, "kvhost cannot write " + path);
}

const std::string* ext_state_store::find(const std::string& folder, std::string_view name, std::string_view key) {
  load(folder);
  const auto keys = memory_.find(name);
  if (keys == memory_.end()) return nullptr;
  const auto found = keys->second.find(key);
  return found == keys->second.end() ? nullptr : &found->second;
}

void ext_state_store::set(const std::string& folder, std::string_view name, std::string_view key,
                          std::string_view value, bool persist) {
  load(folder);
  auto store = [&](sections& where) {
    auto keys = where.try_emplace(std::string(name)).first;
    auto found = keys->second.find(key);
    if (found == keys->second.end())
      keys->second.emplace(std::string(key), std::string(value));
    else
      found->second = value;
  };
  store(memory_);
  if (!persist) return;
  store(file_);
  save();
}

void ext_state_store::erase(const std::string& folder, std::string_view name, std::string_view key, bool persist) {
  load(folder);
  auto remove = [&](sections& where) {
    const auto keys = where.find(name);
    if (keys == where.end()) return false;
    const auto found = keys->second.find(key);
    if (found == keys->second.end()) return false;
    keys->second.erase(found);
    return true;
  };
  remove(memory_);
  if (persist && remove(file_)) save();
}

}  // namespace kvhost::model
