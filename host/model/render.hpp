#pragma once
// Renders a take as it plays (without the item volume) to a new sound file.
#include <string>

#include "media.hpp"

namespace kvhost::model {

// Writes a 32-bit float WAV file in folder, named after the take's source
// with a free number; returns its path, or empty when nothing was written.
std::string render_take(const take& played, const std::string& folder);

}  // namespace kvhost::model
