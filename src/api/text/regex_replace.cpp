#include "api/text/regex_replace.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

#include "utility/ecma_regex.hpp"

namespace KV_COBALT {
namespace {

using kv_utility::ecma_regex;
using groups = std::vector<ecma_regex::group>;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A result that takes no more than limit bytes.
class bounded_text {
 public:
  explicit bounded_text(std::size_t limit) : limit_(limit) {}
  void append(std::string_view part) { text_.append(part.substr(0, limit_ - std::min(limit_, text_.size()))); }
  void append(char c) { append(std::string_view(&c, 1)); }
  bool full() const { return text_.size() >= limit_; }
  std::string& text() { return text_; }

 private:
  std::size_t limit_;
  std::string text_;
};

std::string_view part_of(std::string_view text, const ecma_regex::group& part) {
  return part.matched ? text.substr(part.begin, part.end - part.begin) : std::string_view();
}

// ECMAScript replacement format, as the standard library's regex_replace applies it.
// The text before a match ($`) starts where the previous match ended.
void append_formatted(bounded_text& out, std::string_view text, std::size_t prefix_start, const groups& found,
                      std::string_view format) {
  for (std::size_t next = 0; next < format.size() && !out.full();) {
    const char c = format[next++];
    if (c != '$' || next == format.size()) {
      out.append(c);
      continue;
    }
    const char kind = format[next];
    if (kind == '$') {
      out.append('$');
      ++next;
    } else if (kind == '&') {
      out.append(part_of(text, found[0]));
      ++next;
    } else if (kind == '`') {
      out.append(text.substr(prefix_start, found[0].begin - prefix_start));
      ++next;
    } else if (kind == '\'') {
      out.append(text.substr(found[0].end));
      ++next;
    } else if (is_digit(kind)) {
      std::size_t group = static_cast<std::size_t>(kind - '0');
      if (++next < format.size() && is_digit(format[next]))
        group = group * 10 + static_cast<std::size_t>(format[next++] - '0');
      if (group < found.size()) out.append(part_of(text, found[group]));
    } else {
      out.append('$');
    }
  }
}

}  // namespace

std::optional<std::string> regex_replace_all(const std::string& text, const std::string& pattern,
                                             const std::string& replacement, std::size_t limit) {
  const auto expression = ecma_regex::compile(pattern);
  if (!expression) return std::nullopt;
  bounded_text out(limit);
  // No match can start after the last place of a byte every match holds.
  const auto required = expression->required_byte();
  const std::size_t last_required = required ? text.rfind(*required) : std::string::npos;
  auto may_start_at = [&](std::size_t from) {
    return !required || (last_required != std::string::npos && from <= last_required);
  };
  groups found;
  std::size_t copied = 0;  // text before this offset is in the result
  std::size_t start = 0;
  bool after_empty = false;  // the last match was empty and ended at start
  while (!out.full() && start <= text.size()) {
    // After an empty match, first a non-empty match at the same place, then
    // a search from the next byte: the standard iteration over matches.
    auto found_here = after_empty && may_start_at(start) ? expression->search(text, start, true, true, found)
                                                         : ecma_regex::outcome::none;
    if (found_here == ecma_regex::outcome::none) {
      const std::size_t from = after_empty ? start + 1 : start;
      if (from > text.size() || !may_start_at(from)) break;
      found_here = expression->search(text, from, false, false, found);
    }
    if (found_here == ecma_regex::outcome::gave_up) return std::nullopt;
    if (found_here == ecma_regex::outcome::none) break;
    out.append(std::string_view(text).substr(copied, found[0].begin - copied));
    append_formatted(out, text, copied, found, replacement);
    copied = start = found[0].end;
    after_empty = found[0].begin == found[0].end;
  }
  out.append(std::string_view(text).substr(copied));
  return std::move(out.text());
}

}  // namespace KV_COBALT
