#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <utility>

#include "api/number/number_operations.hpp"
#include "entry/host_import.hpp"

namespace KV_COBALT {
namespace {

// Every draw has its own generator, seeded from the system's random device.
int draw(int low, int high) {
  if (low > high) std::swap(low, high);
#ifdef _WIN32
  std::random_device device("rand_s");  // the system's cryptographic source
#else
  std::random_device device("/dev/urandom");
#endif
  std::mt19937 generator(device());
  return std::uniform_int_distribution<int>(low, high)(generator);
}

// value * scale cut toward zero, when that fits an int.
std::optional<int> scaled(double value, int scale) {
  const double cut = std::trunc(value * scale);
  if (!(cut >= std::numeric_limits<int>::min() && cut <= std::numeric_limits<int>::max())) return std::nullopt;
  return static_cast<int>(cut);
}

// 10 to the power places; places of 10 or more do not fit an int.
std::optional<int> decimal_scale(int places) {
  if (places >= 10) return std::nullopt;
  int scale = 1;
  for (int i = 0; i < places; ++i) scale *= 10;
  return scale;
}

}  // namespace

bool GetRandomNumInteger(int low, int high, int* randomOut) {
  if (!randomOut) return false;
  *randomOut = draw(low, high);
  return true;
}

bool GetRandomNumDouble(double low, double high, int doubleType, double* randomOut) {
  const auto scale = decimal_scale(doubleType);
  if (!randomOut || !scale) return false;
  const auto lo = scaled(low, *scale), hi = scaled(high, *scale);
  if (!lo || !hi) return false;
  *randomOut = static_cast<double>(draw(*lo, *hi)) / *scale;
  return true;
}

bool GetRandomColor(int* colorOut, int* rOut, int* gOut, int* bOut) {
  if (!colorOut || !rOut || !gOut || !bOut) return false;
  const int r = draw(0, 255), g = draw(0, 255), b = draw(0, 255);
  *colorOut = host::ColorToNative(r, g, b);
  *rOut = r;
  *gOut = g;
  *bOut = b;
  return true;
}

}  // namespace KV_COBALT
