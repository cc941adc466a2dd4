#include "api/item/hand_automation_analysis.hpp"

#include <algorithm>
#include <cmath>

namespace KV_COBALT::hand_automation {
namespace {

constexpr int window_samples = 10;

// A mean, or none when it was taken over no values.
struct mean {
  double value = 0;
  bool found = false;
  explicit operator bool() const { return found; }
  double operator*() const { return value; }
};

mean mean_of(double sum, int count) { return count ? mean{sum / count, true} : mean{}; }

// Mean of the window levels strictly below bound.
mean mean_below(const std::vector<window>& windows, mean bound) {
  double sum = 0;
  int count = 0;
  if (bound)
    for (const window& w : windows)
      if (w.level < *bound) {
        sum += w.level;
        ++count;
      }
  return mean_of(sum, count);
}

}  // namespace

std::vector<window> cut_windows(const kv_object::peak_list& peaks) {
  using table = kv_object::peak_table;
  const table& rows = peaks.table();
  std::vector<window> windows;
  windows.reserve(rows.size() / window_samples + 1);
  double times[window_samples + 1] = {};
  int c = 0, best = 0;
  double m = 100.0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    ++c;
    const double level = std::min(std::fabs(rows.get(r, table::MaxPeak)), std::fabs(rows.get(r, table::MinPeak)));
    if (level < m) best = c;
    m = std::min(m, level);
    times[c] = rows.get(r, table::Time);
    if (c == window_samples) {
      // A loud window's point sits on its loudest sample, kept within the 3rd to 7th.
      windows.push_back({times[m < loud_below ? std::clamp(best, 3, 7) : 5], m});
      c = 0;
      m = 100.0;
    }
  }
  if (c >= 6 && m < loud_below) windows.push_back({times[5], m});
  return windows;
}

double ratio_of(int ratioType) {
  if (ratioType <= 0) return 0.6;
  if (ratioType == 1) return 0.4;
  if (ratioType == 2) return 0.2;
  return 0.0;
}

void choose_gains(std::vector<window>& windows, double ratio) {
  double loud_sum = 0;
  int loud = 0;
  for (const window& w : windows)
    if (w.level < loud_below) {
      loud_sum += w.level;
      ++loud;
    }
  const mean u = mean_of(loud_sum, loud);
  const mean L = mean_below(windows, u);
  const mean M = mean_below(windows, L);
  const mean D = mean_below(windows, M);

  for (window& w : windows) {
    const double x = w.level, t = w.pos;
    w.gain = 0;
    w.written = true;
    if (M && x < *M) {
      const double cut = D ? ((*D - *M) * ratio + *M) - x : 0;
      w.written = cut > 0;
      if (w.written) w.gain = -cut;
    } else if (L) {
      if (x < 29 && t < 0.1)
        w.gain = std::min(4.0, x - *L);
      else if (x < 28 && t < 0.2)
        w.gain = std::min(4.0, x - *L);
      else if (x < 26 && t >= 0.2)
        w.gain = std::min(2.0, x - *L);
    }
  }
}

std::vector<int> flat_windows(const std::vector<window>& windows) {
  std::vector<int> flat;
  for (std::size_t k = 1; k + 1 < windows.size(); ++k)
    if (std::fabs(windows[k].gain - windows[k - 1].gain) < 0.5 &&
        std::fabs(windows[k].gain - windows[k + 1].gain) < 0.5)
      flat.push_back(static_cast<int>(k));
  return flat;
}

}  // namespace KV_COBALT::hand_automation
