#include "tokens.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kvhost::project_file {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t'; }
bool is_quote(char c) { return c == '"' || c == '\'' || c == '`'; }

}  // namespace

std::optional<std::vector<word>> split_words(std::string_view line) {
  std::vector<word> words;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && is_space(line[at])) ++at;
    if (at >= line.size()) return words;
    const std::size_t start = at;
    if (is_quote(line[at])) {
      const std::size_t close = line.find(line[at], at + 1);
      if (close == std::string_view::npos) return std::nullopt;
      at = close + 1;
      words.push_back(
          {std::string(line.substr(start, at - start)), std::string(line.substr(start + 1, close - start - 1))});
    } else {
      while (at < line.size() && !is_space(line[at])) ++at;
      words.push_back({std::string(line.substr(start, at - start)), std::string(line.substr(start, at - start))});
    }
  }
}

std::string quote(std::string_view value, bool always) {
  std::string text(value);
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  const bool needs = text.empty() || text.find_first_of(" \t") != std::string::npos || text.front() == '"' ||
                     text.front() == '\'' || text.front() == '`' || text.front() == '#' || text.front() == ';';
  if (!needs && !always) return text;
  for (char q : {'"', '\'', '`'})
    if (text.find(q) == std::string::npos) return q + text + q;
  for (char& c : text)
    if (c == '`') c = '\'';
  return '`' + text + '`';
}

std::string format_number(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";  // no "-0"
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : "0";
}

std::optional<double> read_number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace kvhost::project_file
