#include "api/text/regex_replace.hpp"

#include <boost/regex.hpp>

namespace KV_COBALT {
namespace {

using iterator = std::string::const_iterator;
using match = boost::match_results<iterator>;

void append(std::string& out, const boost::sub_match<iterator>& part) {
  if (part.matched) out.append(part.first, part.second);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// ECMAScript replacement format, as the standard library's regex_replace applies it.
void append_formatted(std::string& out, const match& found, const std::string& replacement, iterator text_end) {
  auto next = replacement.begin();
  const auto end = replacement.end();
  while (next != end) {
    if (*next != '$') {
      out += *next++;
      continue;
    }
    if (++next == end) {
      out += '$';
      break;
    }
    char c = *next;
    if (c == '$') {
      out += '$';
      ++next;
    } else if (c == '&') {
      append(out, found[0]);
      ++next;
    } else if (c == '`') {
      append(out, found.prefix());
      ++next;
    } else if (c == '\'') {
      out.append(found[0].second, text_end);
      ++next;
    } else if (is_digit(c)) {
      int group = c - '0';
      if (++next != end && is_digit(*next)) group = group * 10 + (*next++ - '0');
      if (group < static_cast<int>(found.size())) append(out, found[group]);
    } else {
      out += '$';
    }
  }
}

}  // namespace

std::optional<std::string> regex_replace_all(const std::string& text, const std::string& pattern,
                                             const std::string& replacement) {
  try {
    // ECMAScript semantics: ^ and $ anchor the whole text, . stops at line breaks.
    const boost::regex expression(pattern, boost::regex::ECMAScript | boost::regex::no_mod_m | boost::regex::no_mod_s);
    std::string out;
    iterator last = text.begin();
    for (boost::sregex_iterator it(text.begin(), text.end(), expression), done; it != done; ++it) {
      out.append(last, (*it)[0].first);
      append_formatted(out, *it, replacement, text.end());
      last = (*it)[0].second;
    }
    out.append(last, text.end());
    return out;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace KV_COBALT
