#pragma once
// ECMAScript regular expressions over bytes, matched by PCRE2 (linked in
// statically, compiled to machine code where it can be) within explicit
// limits, so that a pathological pattern gives up instead of hanging.
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kv_utility {

class ecma_regex {
 public:
  struct group {
    std::size_t begin = 0, end = 0;
    bool matched = false;
  };
  enum class outcome { found, none, gave_up };
  enum options : unsigned { plain = 0, ignore_case = 1, whole_text = 2 };

  // nullopt when the pattern is not valid ECMAScript. whole_text matches only
  // the whole of a text from the start, as regex_match does.
  static std::optional<ecma_regex> compile(std::string_view pattern, unsigned options = plain);

  // The leftmost match at or after start (at start only, when anchored);
  // not_empty refuses an empty match at start. Groups hold byte offsets.
  outcome search(std::string_view text, std::size_t start, bool anchored, bool not_empty,
                 std::vector<group>& groups) const;

  // A byte that every match holds, when the pattern has one. The matcher
  // looks for it by itself only in shorter texts; without that look, a
  // pattern like (a|b)*c tries every position of a long text without "c".
  std::optional<char> required_byte() const;

  // Whether the pattern matches at the start of text (all of it, for a
  // whole_text pattern); a search that gives up is no match.
  bool matches(std::string_view text) const;

  struct compiled;  // the matcher's own data, kept out of this header

 private:
  explicit ecma_regex(std::shared_ptr<compiled> code) : code_(std::move(code)) {}
  std::shared_ptr<compiled> code_;
};

}  // namespace kv_utility
