#pragma once
// What a project file (or a state chunk) held, kept beside the model it was
// read into: its lines, where each object's lines are, and what the model
// said about each modelled line right after reading. A writer gives back
// every line the model did not change exactly as it was read.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chunk_tree.hpp"

namespace kvhost::project_file {

struct image {
  document doc;
  std::string ending = "\r\n";  // for lines the writer adds
  bool indented = true;         // false for a state chunk
  // Object ids: "" the project, "T"/"I"/"K" + GUID a track, item or take,
  // "E" + take GUID + "/" + chunk name a take envelope.
  std::map<std::string, const node*> chunks;
  // The item's own lines and each take's lines (take 0 has no TAKE line).
  std::map<std::string, std::vector<const node*>> sections;
  // "id\tKEY#n": the n-th KEY entry of that object as the model gave it when read.
  std::map<std::string, std::string> baselines;
};

// A project's images, newest first in look-ups.
using image_list = std::vector<std::shared_ptr<const image>>;

}  // namespace kvhost::project_file
