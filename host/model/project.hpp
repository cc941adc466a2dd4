#pragma once
// A project: its master track, its tracks in order, markers and settings.
// Index, depth, parent and the selected-track list are cached and rebuilt in
// one pass after a change, so that reads cost O(1) even with many tracks.
// The k-th selected item is found by a walk over the items, as a host without
// a selected-item list has to: from where the last look-up ended, so reading
// the selection in order costs one pass, and a change of selection moves the
// walk's starting point instead of starting it over.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "folder.hpp"
#include "markers.hpp"
#include "track.hpp"
#include "undo_history.hpp"

namespace kvhost::project_file {
struct image;
}

namespace kvhost::model {

class project {
 public:
  explicit project(const std::string& label);
  project(const project&) = delete;
  project& operator=(const project&) = delete;

  track& master() { return master_; }
  int track_count() const { return static_cast<int>(tracks_.size()); }
  track* track_at(int index);  // null when out of range

  track& insert_track(int index);                       // index clamped to 0..track_count()
  std::unique_ptr<track> remove_track(track& removed);  // null when not a track of it

  int index_of(track& member);  // -1 for the master
  int depth_of(track& member);
  track* parent_of(track& member);
  void set_folder_depth(track& member, int folder_depth);

  void set_selected(track& member, bool selected);
  void select_only(track& member);
  int selected_count(bool with_master);
  track* selected_at(int index);  // master excluded; null when out of range

  // Items counted track by track in track order, by position within a track.
  item& add_item(track& owner_track);
  void remove_item(item& removed);  // destroys it with its takes
  void item_moved() { item_order_valid_ = false; }
  void set_item_selected(item& member, bool selected);
  void select_all_items(bool selected);
  int item_count();
  item* item_at(int index);  // null when out of range
  item* track_item_at(track& owner_track, int index);
  int selected_item_count();
  item* selected_item_at(int index);
  std::vector<item*> selected_items();

  marker_list markers;
  folder path;
  std::string record_path;

  struct time_range {
    double start = 0, end = 0;  // equal: none
  };
  struct tempo_setting {
    double bpm = 120;
    int numerator = 4, denominator = 4;
  };
  std::string file;  // the full path of its .RPP file; empty while unsaved
  double cursor = 0;
  time_range time_selection;
  time_range loop_points;
  bool loop = false;
  tempo_setting tempo;
  std::string notes;
  // SetProjExtState data: extension name, then key, both as first given;
  // looked up case-insensitively.
  std::map<std::string, text_map> ext_state;
  track* last_touched = nullptr;
  // The project file and state chunks the model was read from, newest last:
  // what the model does not hold is written back from them.
  std::vector<std::shared_ptr<const project_file::image>> file_images;
  undo_history undo;
  int play_state = 0;  // &1 playing, &2 paused, &4 recording

 private:
  void refresh_layout();
  void refresh_selection();
  void refresh_items();

  track master_;
  std::vector<std::unique_ptr<track>> tracks_;
  bool layout_valid_ = true;
  std::vector<track*> selected_;
  bool selection_valid_ = true;
  std::vector<item*> items_;
  bool item_order_valid_ = true;
  int selected_item_count_ = 0;
  // Where the last walk for a selected item stopped, and how many selected
  // items lie before that place.
  std::size_t walk_at_ = 0;
  int selected_before_walk_ = 0;
};

}  // namespace kvhost::model
