#pragma once
// A project file (or a state chunk) as a tree of lines: each line keeps its
// text and ending as read, so that what nobody changed is written back as is.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tokens.hpp"

namespace kvhost::project_file {

struct line {
  std::string text;    // as read, indentation included, without its ending
  std::string ending;  // "\r\n", "\n", or "" on a last line without one
  int number = 0;      // 1-based line number in its text
};

struct node {
  line head;                // "<NAME args" for a chunk, else the whole line
  std::string key;          // the first word, without '<'; empty for a blank line
  std::vector<word> words;  // every word after the key
  bool chunk = false;
  std::vector<node> children;
  line close;  // the chunk's ">" line

  // The words after the key, unquoted.
  std::string value(std::size_t index) const { return index < words.size() ? words[index].value : std::string(); }
};

// "LINE: expected ..."; the caller adds the file name.
struct parse_error : std::runtime_error {
  parse_error(int at_line, const std::string& expected)
      : std::runtime_error("expected " + expected), line_number(at_line) {}
  int line_number;
};

struct document {
  node root;
  std::vector<line> trailing;  // blank lines after the root's '>'
};

// The tree of a whole text, whose root is its one top-level chunk. Throws
// parse_error for a text that is not one well-formed chunk, or holds NUL bytes.
document parse_chunk_text(std::string_view text);

// Makes a node from a line's text (words split) or throws parse_error.
node make_node(line read);

}  // namespace kvhost::project_file
