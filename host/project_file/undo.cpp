#include "undo.hpp"

#include <filesystem>

#include "reader.hpp"
#include "writer.hpp"

namespace kvhost::project_file {
using namespace kvhost::model;
namespace {

// A history used before any start begins at an empty project: what was done
// before its first point is not recorded, as nothing was.
void ensure_started(project& target) {
  if (!target.undo.points.empty()) return;
  project empty("undo");
  target.undo.points.push_back({"", write_project(empty)});
  target.undo.at = 0;
}

void push_point(project& target, const std::string& name) {
  ensure_started(target);
  auto& history = target.undo;
  history.points.resize(history.at + 1);  // a new point ends what redo could bring back
  history.points.push_back({name, write_project(target)});
  history.at = history.points.size() - 1;
}

void restore(project& target, const std::string& text) {
  const double cursor = target.cursor;
  const std::string file = target.file;
  const std::string folder = file.empty() ? std::string() : std::filesystem::path(file).parent_path().string();
  // The sounds the project plays now are not decoded again.
  sound_cache sounds;
  for (int i = 0; i < target.track_count(); ++i)
    for (const auto& member : target.track_at(i)->items)
      for (const auto& part : member->takes)
        if (part->audio && !part->audio->file.empty()) sounds[part->audio->file] = part->audio->audio;
  clear_project(target);
  read_project(target, text, {folder, nullptr, &sounds});
  target.cursor = cursor;
}

}  // namespace

void start_undo_history(project& target) {
  target.undo = {};
  target.undo.points.push_back({"", write_project(target)});
}

void begin_undo_block(project& target) {
  if (target.undo.block_depth++ == 0 && target.undo.points.empty()) start_undo_history(target);
}

void end_undo_block(project& target, const std::string& name) {
  if (target.undo.block_depth == 0) return add_undo_point(target, name);
  if (--target.undo.block_depth == 0) push_point(target, name);
}

void add_undo_point(project& target, const std::string& name) {
  if (target.undo.block_depth == 0) push_point(target, name);
}

bool undo(project& target) {
  auto& history = target.undo;
  if (history.at == 0 || history.block_depth != 0) return false;
  --history.at;
  restore(target, history.points[history.at].state);
  return true;
}

bool redo(project& target) {
  auto& history = target.undo;
  if (history.at + 1 >= history.points.size() || history.block_depth != 0) return false;
  ++history.at;
  restore(target, history.points[history.at].state);
  return true;
}

const char* undo_name(project& target) {
  const auto& history = target.undo;
  return history.at == 0 ? nullptr : history.points[history.at].name.c_str();
}

void add_script_undo_point(project& target, const std::string& script_path) {
  ensure_started(target);
  const auto& history = target.undo;
  if (history.points[history.at].state == write_project(target)) return;
  push_point(target, "ReaScript: " + std::filesystem::path(script_path).filename().string());
}

}  // namespace kvhost::project_file
