// Peak list and hand automation of a one-hour mono item at 48 kHz in the
// simulated host, beside a flat loop that fetches the same peaks from the
// host and converts them to dB into a plain array. Counters: peak heap bytes
// of the call, and the seconds spent inside the host's peak computation, the
// host's actions and the SWS functions, so the library's own part shows.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <type_traits>
#include <vector>

#include "allocation_counter.hpp"
#include "api/host_api.hpp"
#include "api/item/hand_automation_operations.hpp"
#include "api/item/peak_lists.hpp"
#include "entry/host_functions.hpp"
#include "entry/plugin.hpp"
#include "entry/sws_functions.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"

using namespace KV_COBALT;

namespace {

using clock_type = std::chrono::steady_clock;

enum class spent { host_peaks, host_actions, sws };
double seconds_in[3] = {};
void* originals[64] = {};

// A stand-in for a function the host hands out that adds the time spent in
// the original to its category.
template <class Signature, int Id, spent Category>
struct timed;
template <class R, class... A, int Id, spent Category>
struct timed<R(A...), Id, Category> {
  static R call(A... args) {
    const auto started = clock_type::now();
    struct add_on_exit {
      clock_type::time_point started;
      ~add_on_exit() {
        seconds_in[static_cast<int>(Category)] += std::chrono::duration<double>(clock_type::now() - started).count();
      }
    } timer{started};
    return reinterpret_cast<R (*)(A...)>(originals[Id])(args...);
  }
};

void* (*host_get_func)(const char*) = nullptr;

enum : int {
#define KV_ID(name, ret, params) id_##name,
  KV_SWS_FUNCTIONS(KV_ID) id_GetMediaItemTake_Peaks, id_Main_OnCommandEx
#undef KV_ID
};

template <class Signature, int Id, spent Category>
void* wrap(const char* name) {
  originals[Id] = host_get_func(name);
  return originals[Id] ? reinterpret_cast<void*>(&timed<Signature, Id, Category>::call) : nullptr;
}

void* timed_get_func(const char* name) {
#define KV_TIMED_SWS(function, ret, params) \
  if (!std::strcmp(name, #function)) return wrap<sws_signature::function, id_##function, spent::sws>(name);
  KV_SWS_FUNCTIONS(KV_TIMED_SWS)
#undef KV_TIMED_SWS
  if (!std::strcmp(name, "GetMediaItemTake_Peaks"))
    return wrap<host_signature::GetMediaItemTake_Peaks, id_GetMediaItemTake_Peaks, spent::host_peaks>(name);
  if (!std::strcmp(name, "Main_OnCommandEx"))
    return wrap<host_signature::Main_OnCommandEx, id_Main_OnCommandEx, spent::host_actions>(name);
  return host_get_func(name);
}

reaper_plugin_info_t timed_record;

constexpr int rate = 48000;
constexpr double hour = 3600;

// An hour of speech-like sound: noise under a level that changes every 50 ms
// between -40 and -3 dB, with pauses.
MediaItem* hour_item() {
  static MediaItem* item = nullptr;
  // Other benchmarks reset the host and load the library their own way.
  if (item && KV_COBALT::reaper_plugin == &timed_record && kvhost::api::GetMediaItem(nullptr, 0) == item) return item;
  item = [] {
    kvhost::reset();
    host_get_func = kvhost::host_record()->GetFunc;
    timed_record = *kvhost::host_record();
    timed_record.GetFunc = &timed_get_func;
    ReaperPluginEntry(nullptr, &timed_record);
    std::vector<float> samples(static_cast<std::size_t>(rate * hour));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> level_db(-40, -3), noise(-1, 1);
    const std::size_t segment = rate / 20;
    for (std::size_t start = 0; start < samples.size(); start += segment) {
      const bool pause = random() % 5 == 0;
      const float gain = pause ? 0.0f : std::pow(10.0f, level_db(random) / 20);
      for (std::size_t i = start; i < std::min(samples.size(), start + segment); ++i) samples[i] = gain * noise(random);
    }
    MediaTrack* track = kvhost::add_tracks(nullptr, {0}).at(0);
    return kvhost::add_item(track, 0, hour, kvhost::create_source(rate, 1, std::move(samples)));
  }();
  return item;
}

void reset_counters() {
  for (double& s : seconds_in) s = 0;
  allocation_counter::reset_peak();
}

void report(benchmark::State& state, std::size_t peak_bytes) {
  const double runs = static_cast<double>(state.iterations());
  state.counters["peak_MB"] = static_cast<double>(peak_bytes) / 1e6;
  state.counters["host_peaks_s"] = seconds_in[static_cast<int>(spent::host_peaks)] / runs;
  state.counters["host_actions_s"] = seconds_in[static_cast<int>(spent::host_actions)] / runs;
  state.counters["sws_s"] = seconds_in[static_cast<int>(spent::sws)] / runs;
}

void PeakList_Hour(benchmark::State& state) {
  MediaItem* item = hour_item();
  std::size_t peak_bytes = 0;
  reset_counters();
  for (auto _ : state) {
    allocation_counter::reset_peak();
    kv_object::peak_list peaks;
    benchmark::DoNotOptimize(GetMediaItemPeakList(item, peaks));
    peak_bytes = std::max(peak_bytes, allocation_counter::peak_above_start());
    if (peaks.size() != static_cast<std::size_t>(hour * 1000)) state.SkipWithError("incomplete peak list");
  }
  report(state, peak_bytes);
}

// The same host calls, piece by piece as the list builder makes them, into
// the smallest array that keeps the values: max and min dB per millisecond.
template <bool convert>
void flat_loop(MediaItem* item, std::vector<double>& flat) {
  MediaItem_Take* take = kvhost::api::GetActiveTake(item);
  const int n = static_cast<int>(hour * 1000);
  std::vector<double> buffer(3 * static_cast<std::size_t>(peak_levels::chunk));
  for (int start = 0; start < n; start += peak_levels::chunk) {
    const int count = std::min(peak_levels::chunk, n - start);
    reinterpret_cast<host_signature::GetMediaItemTake_Peaks*>(timed_get_func("GetMediaItemTake_Peaks"))(
        take, 1000.0, start / 1000.0, 1, count, 115, buffer.data());
    if constexpr (convert)
      for (int i = 0; i < count; ++i) {
        flat[2 * static_cast<std::size_t>(start + i)] = peak_levels::to_dB(buffer[i]);
        flat[2 * static_cast<std::size_t>(start + i) + 1] = peak_levels::to_dB(buffer[count + i]);
      }
  }
}

void FlatLoop_Hour(benchmark::State& state) {
  MediaItem* item = hour_item();
  std::size_t peak_bytes = 0;
  reset_counters();
  for (auto _ : state) {
    allocation_counter::reset_peak();
    std::vector<double> flat(2 * static_cast<std::size_t>(hour * 1000));
    flat_loop<true>(item, flat);
    benchmark::DoNotOptimize(flat.data());
    peak_bytes = std::max(peak_bytes, allocation_counter::peak_above_start());
  }
  report(state, peak_bytes);
}

// The host's own cost: the peak calls alone.
void HostPeaksOnly_Hour(benchmark::State& state) {
  MediaItem* item = hour_item();
  std::vector<double> unused;
  reset_counters();
  for (auto _ : state) flat_loop<false>(item, unused);
  report(state, 0);
}

// The whole operation; its own part is the time less the three host and SWS counters.
void HandAutomation_Hour(benchmark::State& state) {
  MediaItem* item = hour_item();
  std::size_t peak_bytes = 0;
  reset_counters();
  for (auto _ : state) {
    allocation_counter::reset_peak();
    if (!SetMediaItemHANDAUTOMER(item, 0)) state.SkipWithError("hand automation failed");
    peak_bytes = std::max(peak_bytes, allocation_counter::peak_above_start());
  }
  report(state, peak_bytes);
}

}  // namespace

BENCHMARK(HostPeaksOnly_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FlatLoop_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PeakList_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HandAutomation_Hour)->Unit(benchmark::kMillisecond)->Iterations(1);
