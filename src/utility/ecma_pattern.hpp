#pragma once
// The standard library's ECMAScript regular-expression grammar, rewritten
// for the PCRE2 matcher so that every construct keeps its ECMAScript meaning.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv_utility {

// The PCRE2 form of an ECMAScript pattern; nullopt when the pattern is not
// valid ECMAScript. Perl-only syntax ((?i), lookbehind, \A, \z, \Q...\E,
// possessive quantifiers, verbs) is either a literal or an error here, as it
// is in ECMAScript. Characters are bytes; \uHHHH keeps its low byte.
// With checkpoints, a callout (?C) follows every repeat and ends every
// alternative inside a group, so that every step of backtracking passes one:
// the callout can then stop a search that runs too long.
std::optional<std::string> ecma_to_pcre2(std::string_view pattern, bool checkpoints = false);

// The PCRE2 compile options the translated pattern is written for.
std::uint32_t ecma_pcre2_options();

}  // namespace kv_utility
