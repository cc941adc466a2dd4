// Conversion between colour components and the platform's native colour.
#include "api/host_api.hpp"

namespace kvhost::api {

int ColorToNative(int r, int g, int b) {
  r &= 0xFF;
  g &= 0xFF;
  b &= 0xFF;
#ifdef _WIN32
  return r | (g << 8) | (b << 16);
#else
  return (r << 16) | (g << 8) | b;
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
