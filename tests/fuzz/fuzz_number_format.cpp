// Zero-padded numbers: any number, any digit count, any buffer.
#include <cstdlib>
#include <string>

#include "api/number/number_operations.hpp"
#include "fuzz_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int num = input.ConsumeIntegral<int>();
  const int digit = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(-3, 400) : input.ConsumeIntegral<int>();
  output_buffer out(input);

  const bool done = KV_COBALT::FormatNumDigit(num, digit, out.data(), out.size);
  check(done == (digit > 0 && out.data() != nullptr));
  if (!done || !out.written()) return 0;
  const std::string text = out.text();
  if (text.size() + 1 < static_cast<std::size_t>(out.size)) {  // not cut by the buffer
    check(std::strtoll(text.c_str(), nullptr, 10) == num);
    // Padded to digit digits only when the text with its sign is shorter; the sign is not counted.
    const std::string plain = std::to_string(num);
    const std::string magnitude = std::to_string(std::llabs(static_cast<long long>(num)));
    const std::size_t width = static_cast<std::size_t>(digit);
    check(text == (plain.size() >= width
                       ? plain
                       : (num < 0 ? "-" : "") + std::string(width - magnitude.size(), '0') + magnitude));
  }
  return 0;
}
