// The headless host's own cost of media reads: peaks of a 1-hour mono item
// at 48 kHz, 1000 peaks per second, read in calls of at most 2^20 - 1 peaks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "api/host_api.hpp"
#include "simulation.hpp"

namespace {

constexpr int rate = 48000;
constexpr int seconds = 3600;
constexpr int peaks_per_call = (1 << 20) - 1;

MediaItem* hour_item() {
  kvhost::reset();
  std::vector<float> samples(static_cast<std::size_t>(rate) * seconds);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<float>(std::sin(i * 0.001) * 0.5);
  MediaTrack* track = kvhost::add_tracks(nullptr, {0})[0];
  return kvhost::add_item(track, 0, seconds, kvhost::create_source(rate, 1, std::move(samples)));
}

void host_peaks_one_hour(benchmark::State& state) {
  MediaItem_Take* take = kvhost::api::GetActiveTake(hour_item());
  constexpr int total = seconds * 1000;
  std::vector<double> buffer(2 * static_cast<std::size_t>(peaks_per_call));
  for (auto _ : state) {
    for (int first = 0; first < total; first += peaks_per_call) {
      const int count = std::min(peaks_per_call, total - first);
      benchmark::DoNotOptimize(
          kvhost::api::GetMediaItemTake_Peaks(take, 1000, first / 1000.0, 1, count, 0, buffer.data()));
    }
    benchmark::ClobberMemory();
  }
  kvhost::reset();
}
BENCHMARK(host_peaks_one_hour)->Unit(benchmark::kMillisecond);

}  // namespace
