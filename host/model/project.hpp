#pragma once
// A project: its master track, its tracks in order, markers and settings.
// Index, depth, parent and the selected-track list are cached and rebuilt in
// one pass after a change, so that reads cost O(1) even with many tracks.
#include <memory>
#include <string>
#include <vector>

#include "folder.hpp"
#include "markers.hpp"
#include "track.hpp"

namespace kvhost::model {

class project {
 public:
  explicit project(const std::string& label);
  project(const project&) = delete;
  project& operator=(const project&) = delete;

  track& master() { return master_; }
  int track_count() const { return static_cast<int>(tracks_.size()); }
  track* track_at(int index);  // null when out of range

  track& insert_track(int index);  // index clamped to 0..track_count()
  void remove_track(track& removed);

  int index_of(track& member);  // -1 for the master
  int depth_of(track& member);
  track* parent_of(track& member);
  void set_folder_depth(track& member, int folder_depth);

  void set_selected(track& member, bool selected);
  void select_only(track& member);
  int selected_count(bool with_master);
  track* selected_at(int index);  // master excluded; null when out of range

  marker_list markers;
  folder path;
  std::string record_path;

 private:
  void refresh_layout();
  void refresh_selection();

  track master_;
  std::vector<std::unique_ptr<track>> tracks_;
  bool layout_valid_ = true;
  std::vector<track*> selected_;
  bool selection_valid_ = true;
};

}  // namespace kvhost::model
