#include "chunk_tree.hpp"

namespace kvhost::project_file {

node make_node(line read) {
  node made;
  made.head = std::move(read);
  auto words = split_words(made.head.text);
  if (!words) throw parse_error(made.head.number, "a closing quote");
  if (words->empty()) return made;
  made.chunk = (*words)[0].raw.front() == '<';
  made.key = made.chunk ? (*words)[0].value.substr(1) : (*words)[0].value;
  if (made.chunk && made.key.empty()) throw parse_error(made.head.number, "a chunk name after '<'");
  words->erase(words->begin());
  made.words = std::move(*words);
  return made;
}

document parse_chunk_text(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) throw parse_error(1, "a text file, not binary data");
  std::vector<line> lines;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    line read;
    read.number = static_cast<int>(lines.size()) + 1;
    if (end == std::string_view::npos) {
      read.text = std::string(text.substr(at));
      at = text.size();
    } else {
      read.text = std::string(text.substr(at, end - at));
      read.ending = "\n";
      at = end + 1;
    }
    if (!read.text.empty() && read.text.back() == '\r') {
      read.text.pop_back();
      read.ending = "\r" + read.ending;
    }
    lines.push_back(std::move(read));
  }
  auto is_blank = [](const line& l) { return l.text.find_first_not_of(" \t") == std::string::npos; };
  std::size_t first = 0;
  while (first < lines.size() && is_blank(lines[first])) ++first;
  if (first != 0 || lines.empty()) throw parse_error(1, "'<' opening the first line");
  document read;
  node& root = read.root = make_node(lines[0]);
  if (!root.chunk) throw parse_error(1, "'<' opening the first line");
  std::vector<node*> open{&root};
  std::size_t i = 1;
  for (; i < lines.size() && !open.empty(); ++i) {
    const auto start = lines[i].text.find_first_not_of(" \t");
    if (start != std::string::npos && lines[i].text.compare(start, std::string::npos, ">") == 0) {
      open.back()->close = std::move(lines[i]);
      open.pop_back();
      continue;
    }
    node made = make_node(std::move(lines[i]));
    node& added = open.back()->children.emplace_back(std::move(made));
    if (added.chunk) open.push_back(&added);
  }
  if (!open.empty())
    throw parse_error(static_cast<int>(lines.size()),
                      "'>' closing <" + open.back()->key + " of line " + std::to_string(open.back()->head.number));
  for (; i < lines.size(); ++i) {
    if (!is_blank(lines[i])) throw parse_error(lines[i].number, "the end of the text after the last '>'");
    read.trailing.push_back(std::move(lines[i]));
  }
  return read;
}

}  // namespace kvhost::project_file
