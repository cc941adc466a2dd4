#include <algorithm>
#include <cstdlib>
#include <string>

#include "api/number/number_operations.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {

bool FormatNumDigit(int num, int digit, char* formattedNumOut, int formattedNumOut_sz) {
  if (digit <= 0 || !formattedNumOut) return false;
  std::string text = std::to_string(num);
  if (text.size() < static_cast<std::size_t>(digit)) {
    // Widened through long long, so the most negative int has a magnitude too.
    const std::string magnitude = std::to_string(std::llabs(static_cast<long long>(num)));
    // No wider than the buffer can show: a huge digit costs no memory.
    const auto width = static_cast<std::size_t>(std::min<long long>(digit, std::max(formattedNumOut_sz, 0) + 11LL));
    text = (num < 0 ? "-" : "") + std::string(width - std::min(width, magnitude.size()), '0') + magnitude;
  }
  kv_utility::strcpy(formattedNumOut, formattedNumOut_sz, text);
  return true;
}

}  // namespace KV_COBALT
