#pragma once
// The values of one modelled line, and how they become text: a new line in
// the writer's format, or an old line with only its changed words rewritten.
#include <string>
#include <vector>

#include "chunk_tree.hpp"

namespace kvhost::project_file {

struct field {
  enum class kind {
    number,  // a decimal
    text,    // quoted by WDL's rule when needed
    quoted,  // always quoted
    word,    // written as given (GUIDs, letters)
    kept,    // not modelled: an old line keeps its word; a new one writes text
    flags,   // a number whose bit 0 alone is modelled; the other bits stay
  };
  kind type = kind::number;
  double number = 0;
  std::string text;
  bool optional = false;  // left out of a new line when 0 and nothing follows
};

field num(double value, bool optional = false);
field text(std::string value);
field quoted(std::string value);
field bare(std::string value);
field kept(std::string default_text, bool optional = false);
field flag_bit(bool set);

using field_list = std::vector<field>;

// A comparable summary of the modelled values.
std::string summary(const field_list& fields);

// A new line: indentation, key, the fields.
std::string new_line(const std::string& indent, const std::string& key, const field_list& fields);

// The old line with each changed value rewritten and its other words (and,
// unless exact, words past the fields) kept; the old text when nothing differs.
std::string merged_line(const node& old, const std::string& key, const field_list& fields, bool exact);

}  // namespace kvhost::project_file
