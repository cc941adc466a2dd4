#pragma once
// Project-file text into the model: the lines the model holds become its
// values; the returned image keeps everything for the writer.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image.hpp"
#include "model/project.hpp"
#include "model/sound.hpp"

namespace kvhost::project_file {

// Sound files already decoded, by path: a file is decoded once per read.
using sound_cache = std::map<std::string, std::shared_ptr<const model::sound>>;

struct read_options {
  std::string folder;                 // relative media paths start here
  std::vector<std::string>* notices;  // "LINE: ..." for media loaded offline; may be null
  sound_cache* sounds = nullptr;      // shared with other reads; may be null
};

// Reads a whole project into an empty project. Throws parse_error.
std::shared_ptr<image> read_project(model::project& target, std::string_view text, const read_options& options);

// Reads an "<ITEM" chunk into the item: its values, its takes replaced.
// Throws parse_error, leaving the item changed only when the text parsed.
std::shared_ptr<image> read_item_chunk(model::item& target, std::string_view text, const read_options& options);

// Removes the project's tracks, items, markers and settings (not its file,
// folders or cursor).
void clear_project(model::project& target);

}  // namespace kvhost::project_file
