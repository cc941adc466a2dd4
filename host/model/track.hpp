#pragma once
// A track of a project, or its master track.
#include <memory>
#include <string>
#include <vector>

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
  // In position order once the owner has refreshed its item order.
  std::vector<std::unique_ptr<item>> items;

  // Filled by the owner's layout pass; read through the owner only.
  int index = -1;
  int depth = 0;
  track* parent = nullptr;
};

}  // namespace kvhost::model
