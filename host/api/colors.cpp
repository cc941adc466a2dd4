// Conversion between colour components and the platform's native colour.
#include "api/host_api.hpp"

namespace kvhost::api {

// As the host's own macro: the components are packed as given, unchecked,
// so out-of-range components spill into the neighbouring bits.
int ColorToNative(int r, int g, int b) {
  const unsigned ur = static_cast<unsigned>(r), ug = static_cast<unsigned>(g), ub = static_cast<unsigned>(b);
#ifdef _WIN32
  return static_cast<int>(ur | (ug << 8) | (ub << 16));
#else
  return static_cast<int>((ur << 16) | (ug << 8) | ub);
#endif
}

void ColorFromNative(int col, int* rOut, int* gOut, int* bOut) {
#ifdef _WIN32
  const int r = col & 0xFF, g = (col >> 8) & 0xFF, b = (col >> 16) & 0xFF;
#else
  const int r = (col >> 16) & 0xFF, g = (col >> 8) & 0xFF, b = col & 0xFF;
#endif
  if (rOut) *rOut = r;
  if (gOut) *gOut = g;
  if (bOut) *bOut = b;
}

}  // namespace kvhost::api
