#include "api/item/hand_automation_analysis.hpp"

#include <algorithm>
#include <cmath>

#include "utility/utility.hpp"

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

// dB below full scale of a peak reading; a reading above full scale counts as
// full scale, the loudest there is, so its window is cut and never lifted.
double below_full_scale(double dB) { return dB > 0 ? 0.0 : std::fabs(dB); }

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
    const double level =
        std::min(below_full_scale(rows.get(r, table::MaxPeak)), below_full_scale(rows.get(r, table::MinPeak)));
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

void remove_duplicates(std::vector<point>& points) {
  const std::size_t n = points.size();
  if (n < 3) return;
  // Survivors gather at the end, written behind the walk; the later point of
  // each pair is whichever of the pair above it stayed.
  std::size_t first_kept = n;
  point later = points[n - 1];
  for (std::size_t i = n - 1; i-- > 1;) {
    const point earlier = points[i];
    if (later.pos == earlier.pos) {
      const double later_off = std::fabs(1 - later.value), earlier_off = std::fabs(1 - earlier.value);
      if (later_off < earlier_off) {
        later = earlier;
        continue;
      }
      if (earlier_off < later_off) continue;
    }
    points[--first_kept] = later;
    later = earlier;
  }
  points[--first_kept] = later;
  points.erase(points.begin() + 1, points.begin() + static_cast<std::ptrdiff_t>(first_kept));
}

std::vector<point> surviving_points(const std::vector<window>& windows, bool reset_point) {
  std::vector<point> points;
  points.reserve(windows.size() + 1);
  if (reset_point) points.push_back({0.0, 1.0});
  for (const window& w : windows) points.push_back({w.pos, 1.0});
  // Window k rewrites point k: the reset point takes window 0, and each
  // appended point the window after its own.
  for (std::size_t k = 0; k < windows.size(); ++k)
    if (windows[k].written) points[k] = {windows[k].pos, kv_utility::to_reaper_volume(windows[k].gain)};
  const std::vector<int> flat = flat_windows(windows);
  std::size_t kept = 0;
  auto next_flat = flat.begin();
  for (std::size_t id = 0; id < points.size(); ++id) {
    if (next_flat != flat.end() && static_cast<std::size_t>(*next_flat) == id) {
      ++next_flat;
      continue;
    }
    points[kept++] = points[id];
  }
  points.resize(kept);
  remove_duplicates(points);
  return points;
}

}  // namespace KV_COBALT::hand_automation
