#pragma once
#include <optional>
#include <string>

namespace KV_COBALT {

// Replaces every match of an ECMAScript regular expression with an ECMAScript
// format ($&, $1..$99, $`, $', $$). The matcher does not recurse, so long
// texts cannot exhaust the stack. Empty when the pattern is invalid or the
// match gives up on a pathological input.
std::optional<std::string> regex_replace_all(const std::string& text, const std::string& pattern,
                                             const std::string& replacement);

}  // namespace KV_COBALT
