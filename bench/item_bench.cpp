// Peak list and hand automation of a one-hour mono item at 48 kHz in the
// simulated host, beside a flat loop that fetches the same peaks from the
// host and converts them to dB into a plain array. Counters: peak heap bytes
// of the call, and the seconds spent inside the host's peak computation, the
// host's render action, its other actions and the SWS functions, so the
// library's own part shows. Last, the edits of the envelope object's points
// at a few sizes: every point written and deleted one id at a time, as the
// hand automation once did, against only the survivors written.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <tuple>
#include <type_traits>
#include <vector>

#include "allocation_counter.hpp"
#include "api/host_api.hpp"
#include "api/item/hand_automation_analysis.hpp"
#include "api/item/hand_automation_operations.hpp"
#include "api/item/peak_lists.hpp"
#include "entry/host_functions.hpp"
#include "entry/plugin.hpp"
#include "entry/sws_functions.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"
#include "utility/utility.hpp"

using namespace KV_COBALT;

namespace {

using clock_type = std::chrono::steady_clock;

enum class spent { host_peaks, host_actions, render, sws };
double seconds_in[4] = {};
void* originals[64] = {};

constexpr int render_to_new_take = 41999;

// The render is the host's own heavy work, kept apart from its other actions.
template <spent Category, class... A>
spent category_of(const A&... args) {
  if constexpr (Category == spent::host_actions)
    return std::get<0>(std::tie(args...)) == render_to_new_take ? spent::render : Category;
  else
    return Category;
}

// A stand-in for a function the host hands out that adds the time spent in
// the original to its category.
template <class Signature, int Id, spent Category>
struct timed;
template <class R, class... A, int Id, spent Category>
struct timed<R(A...), Id, Category> {
  static R call(A... args) {
    struct add_on_exit {
      spent category;
      clock_type::time_point started = clock_type::now();
      ~add_on_exit() {
        seconds_in[static_cast<int>(category)] += std::chrono::duration<double>(clock_type::now() - started).count();
      }
    } timer{category_of<Category>(args...)};
    return reinterpret_cast<R (*)(A...)>(originals[Id])(args...);
  }
};

void* (*host_get_func)(const char*) = nullptr;

enum : int {
#define KV_ID(name, ret, params) id_##name,
  KV_SWS_FUNCTIONS(KV_ID) id_GetMediaItemTake_Peaks,
  id_Main_OnCommandEx
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
  state.counters["render_s"] = seconds_in[static_cast<int>(spent::render)] / runs;
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

double seconds_since(clock_type::time_point started) {
  return std::chrono::duration<double>(clock_type::now() - started).count();
}

// The whole operation. without_render_s is its time less the host's render of
// the take (action 41999), which REAPER does at its own cost whatever the
// library does; x_peak_list compares that with a peak list of the same item
// built in this run, the least that any analysis of the item costs.
void HandAutomation_Hour(benchmark::State& state) {
  MediaItem* item = hour_item();
  double peak_list_s = 1e300;
  for (int i = 0; i < 3; ++i) {
    const auto started = clock_type::now();
    kv_object::peak_list peaks;
    GetMediaItemPeakList(item, peaks);
    peak_list_s = std::min(peak_list_s, seconds_since(started));
  }
  std::size_t peak_bytes = 0;
  double total_s = 0;
  reset_counters();
  for (auto _ : state) {
    allocation_counter::reset_peak();
    const auto started = clock_type::now();
    if (!SetMediaItemHANDAUTOMER(item, 0)) state.SkipWithError("hand automation failed");
    total_s += seconds_since(started);
    peak_bytes = std::max(peak_bytes, allocation_counter::peak_above_start());
  }
  report(state, peak_bytes);
  const double without_render_s = (total_s - seconds_in[static_cast<int>(spent::render)]) / state.iterations();
  state.counters["without_render_s"] = without_render_s;
  state.counters["peak_list_s"] = peak_list_s;
  state.counters["x_peak_list"] = without_render_s / peak_list_s;
}

using hand_automation::window;

// Windows of speech-like levels, as the hour item's: one level per 50 ms
// between -40 and -3 dB, with pauses, and the gains the automation gives them.
std::vector<window> speech_windows(std::size_t count) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> level(3, 40);
  std::vector<window> windows(count);
  double current = 80;
  for (std::size_t k = 0; k < count; ++k) {
    if (k % 5 == 0) current = random() % 5 == 0 ? 80 : level(random);
    windows[k] = {static_cast<double>(k) * 0.01 + 0.004, current};
  }
  hand_automation::choose_gains(windows, hand_automation::ratio_of(0));
  return windows;
}

// What the hand automation once did after the reset: a point per window
// appended, window k rewriting point k, then the flat points deleted from the
// highest id down and the duplicate pass deleting as it walks down. Every
// delete moves all later points in SWS's array.
void point_by_point(BR_Envelope* envelope, const std::vector<window>& windows) {
  using namespace kvhost::api;
  for (const window& w : windows) BR_EnvSetPoint(envelope, -1, w.pos, 1.0, 0, false, 0.0);
  for (std::size_t k = 0; k < windows.size(); ++k)
    if (windows[k].written)
      BR_EnvSetPoint(envelope, static_cast<int>(k), windows[k].pos, kv_utility::to_reaper_volume(windows[k].gain), 0,
                     false, 0.0);
  const std::vector<int> flat = hand_automation::flat_windows(windows);
  for (auto k = flat.rbegin(); k != flat.rend(); ++k) BR_EnvDeletePoint(envelope, *k);
  for (int a = BR_EnvCountPoints(envelope) - 1; a >= 2; --a) {
    double later = 0, earlier = 0, later_value = 0, earlier_value = 0;
    BR_EnvGetPoint(envelope, a, &later, &later_value, nullptr, nullptr, nullptr);
    BR_EnvGetPoint(envelope, a - 1, &earlier, &earlier_value, nullptr, nullptr, nullptr);
    if (later != earlier) continue;
    const double later_off = std::fabs(1 - later_value), earlier_off = std::fabs(1 - earlier_value);
    if (later_off < earlier_off)
      BR_EnvDeletePoint(envelope, a);
    else if (earlier_off < later_off)
      BR_EnvDeletePoint(envelope, a - 1);
  }
}

// What it does now: the survivors worked out first, then only they written.
void survivors_only(BR_Envelope* envelope, const std::vector<window>& windows) {
  const std::vector<hand_automation::point> points = hand_automation::surviving_points(windows, true);
  for (std::size_t i = 0; i < points.size(); ++i)
    kvhost::api::BR_EnvSetPoint(envelope, i == 0 ? 0 : -1, points[i].pos, points[i].value, 0, false, 0.0);
}

// The edits of the volume envelope for state.range(0) windows, from the
// envelope object's allocation (one point, as the toggle leaves it) and reset
// to its release. The host keeps its points in one array, as SWS does:
// point_by_point grows with the square of the windows (twice the windows,
// four times the time) and so shows the cliff an hour-long item falls off
// in REAPER; survivors_only grows in step with them.
void Envelope_Edits(benchmark::State& state, void (*edit)(BR_Envelope*, const std::vector<window>&)) {
  using namespace kvhost::api;
  const std::vector<window> windows = speech_windows(static_cast<std::size_t>(state.range(0)));
  MediaTrack* track = kvhost::add_tracks(nullptr, {0}).at(0);
  MediaItem* item = kvhost::add_item(track, 0, 1, kvhost::create_source(rate, 1, std::vector<float>(rate)));
  TrackEnvelope* volume = kvhost::add_take_envelope(GetActiveTake(item), "Volume");
  InsertEnvelopePoint(volume, 0, 1, 0, 0, false, nullptr);
  int points_left = 0;
  for (auto _ : state) {
    BR_Envelope* envelope = BR_EnvAlloc(volume, false);
    BR_EnvSortPoints(envelope);
    for (int id = BR_EnvCountPoints(envelope); id >= 1; --id) BR_EnvDeletePoint(envelope, id);
    BR_EnvSetPoint(envelope, 0, 0.0, 1.0, 0, false, 0.0);
    edit(envelope, windows);
    points_left = BR_EnvCountPoints(envelope);
    BR_EnvFree(envelope, false);
  }
  state.SetComplexityN(state.range(0));
  state.counters["points_left"] = points_left;
}

// Tens of thousands of windows (an hour has 360,000): enough for the square to
// show, little enough to run in seconds.
void envelope_sizes(benchmark::internal::Benchmark* sizes) {
  sizes->Unit(benchmark::kMillisecond)->Arg(20000)->Arg(40000)->Arg(80000)->Complexity();
}

}  // namespace

BENCHMARK(HostPeaksOnly_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FlatLoop_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PeakList_Hour)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HandAutomation_Hour)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Envelope_Edits, point_by_point, &point_by_point)->Apply(envelope_sizes);
BENCHMARK_CAPTURE(Envelope_Edits, survivors_only, &survivors_only)->Apply(envelope_sizes);
