#include "identity.hpp"

#include <cstdio>
#include <random>

namespace kvhost::model {
namespace {

std::mt19937_64& generator() {
  static std::mt19937_64 numbers;
  return numbers;
}

}  // namespace

void restart_guids() { generator().seed(std::mt19937_64::default_seed); }

std::string new_guid() {
  const unsigned long long high = generator()(), low = generator()();
  char text[39];
  std::snprintf(text, sizeof text, "{%08llX-%04llX-%04llX-%04llX-%012llX}", high >> 32, (high >> 16) & 0xFFFF,
                high & 0xFFFF, low >> 48, low & 0xFFFFFFFFFFFFULL);
  return text;
}

}  // namespace kvhost::model
