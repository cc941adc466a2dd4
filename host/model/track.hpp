#pragma once
// A track of a project, or its master track.
#include <memory>
#include <string>
#include <vector>

#include "identity.hpp"
#include "media.hpp"

namespace kvhost::model {

class project;

struct track {
  track(project& owner_project, bool is_master) : owner(&owner_project), master(is_master) {}

  project* owner;
  bool master;
  std::string name;  // empty: no name of its own
  bool mute = false;
  int solo = 0;
  double volume = 1.0;
  int color = 0;  // "I_CUSTOMCOLOR": native colour | 0x1000000, or 0 for none
  int folder_depth = 0;
  bool selected = false;
  double pan = 0;    // "D_PAN", -1..1
  double width = 1;  // "D_WIDTH", -1..1
  bool phase = false;
  int record_arm = 0;
  int record_input = 0;
  int record_monitor = 1;
  int record_mode = 0;
  bool show_in_tcp = true;
  bool show_in_mixer = true;
  int height_override = 0;  // pixels, 0 for none
  int channels = 2;
  std::string guid = new_guid();
  text_map ext;             // "P_EXT:key" values, keys as given
  std::string razor_edits;  // "P_RAZOREDITS", empty for none
  // In position order once the owner has refreshed its item order.
  std::vector<std::unique_ptr<item>> items;

  // Filled by the owner's layout pass; read through the owner only.
  int index = -1;
  int depth = 0;
  track* parent = nullptr;
};

}  // namespace kvhost::model
