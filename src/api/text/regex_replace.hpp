#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace KV_COBALT {

// Replaces every match of an ECMAScript regular expression with an ECMAScript
// format ($&, $1..$99, $`, $', $$). Building stops once the result holds
// limit bytes: the result is then that much of the full replacement. Empty
// when the pattern is invalid or the matcher gives up on a pathological input.
std::optional<std::string> regex_replace_all(const std::string& text, const std::string& pattern,
                                             const std::string& replacement, std::size_t limit = std::string::npos);

}  // namespace KV_COBALT
