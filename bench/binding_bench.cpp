// The script bindings on a 10-minute item (600,000 peak records): its Lua
// table against a hand-written loop over the Lua C API, and its pooling for
// Python against the builder alone, with allocations per record.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "allocation_counter.hpp"
#include "api/item/peak_lists.hpp"
#include "binding/lua/lua_tables.hpp"
#include "binding/python/python_exports.hpp"
#include "entry/plugin.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"

namespace {

constexpr int rate = 48000;
constexpr int seconds = 600;
constexpr double records = seconds * 1000.0;

// The library started by the simulated host, with one 10-minute mono item.
MediaItem* ten_minute_item() {
  static MediaItem* item = [] {
    kvhost::reset();
    ReaperPluginEntry(nullptr, kvhost::host_record());
    std::vector<float> samples(static_cast<std::size_t>(rate) * seconds);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = static_cast<float>(std::sin(static_cast<double>(i) * 0.01) * 0.5);
    MediaTrack* track = kvhost::add_tracks(nullptr, {0})[0];
    return kvhost::add_item(track, 0, seconds, kvhost::create_source(rate, 1, std::move(samples)));
  }();
  return item;
}

// Runs call once an iteration, counting its allocations and the most memory it
// held; call returns what to release, which runs outside the timing.
template <class Call>
void per_record(benchmark::State& state, Call&& call) {
  long allocated = 0;
  std::size_t peak_bytes = 0;
  for (auto _ : state) {
    allocation_counter::reset_peak();
    const long before = allocation_counter::allocations();
    auto release = call();
    allocated += allocation_counter::allocations() - before;
    peak_bytes = std::max(peak_bytes, allocation_counter::peak_above_start());
    state.PauseTiming();
    release();
    state.ResumeTiming();
  }
  state.counters["allocations_per_record"] =
      static_cast<double>(allocated) / (records * static_cast<double>(state.iterations()));
  state.counters["peak_bytes_per_record"] = static_cast<double>(peak_bytes) / records;
}

void peak_list_builder(benchmark::State& state) {
  MediaItem* item = ten_minute_item();
  per_record(state, [&] {
    kv_object::peak_list list;
    benchmark::DoNotOptimize(KV_COBALT::GetMediaItemPeakList(item, list));
    return [] {};
  });
}
BENCHMARK(peak_list_builder)->Unit(benchmark::kMillisecond);

// The builder, then the pooled copies and the record list of py_GetMediaItemPeakList.
void peak_list_pooled_for_python(benchmark::State& state) {
  MediaItem* item = ten_minute_item();
  per_record(state, [&] {
    std::uint64_t handle = 0;
    benchmark::DoNotOptimize(py_GetMediaItemPeakList(item, &handle));
    return [handle] { py_release_obj(handle); };
  });
}
BENCHMARK(peak_list_pooled_for_python)->Unit(benchmark::kMillisecond);

// Only the pooling of a list already built.
void peak_list_pooling_alone(benchmark::State& state) {
  kv_object::peak_list list;
  KV_COBALT::GetMediaItemPeakList(ten_minute_item(), list);
  for (auto _ : state) {
    const std::uint64_t handle = kv_object::kv_List::pool_kvList_array(list);
    state.PauseTiming();
    py_release_obj(handle);
    state.ResumeTiming();
  }
}
BENCHMARK(peak_list_pooling_alone)->Unit(benchmark::kMillisecond);

struct lua_state {
  lua_State* L = luaL_newstate();
  lua_state() { lua_api::resolve(dlsym(RTLD_DEFAULT, "lua_createtable")); }
  ~lua_state() { lua_close(L); }
  void drop_result() {
    lua_settop(L, 0);
    lua_gc(L, LUA_GCCOLLECT, 0);
  }
};

void peak_list_lua_table(benchmark::State& state) {
  kv_object::peak_list list;
  KV_COBALT::GetMediaItemPeakList(ten_minute_item(), list);
  lua_state lua;
  for (auto _ : state) {
    lua_utility::push_records(lua.L, list);
    state.PauseTiming();
    lua.drop_result();
    state.ResumeTiming();
  }
  state.counters["records"] = records;
}
BENCHMARK(peak_list_lua_table)->Unit(benchmark::kMillisecond);

// The same numbers into the same table shape, by hand.
void peak_list_lua_table_hand_loop(benchmark::State& state) {
  kv_object::peak_list list;
  KV_COBALT::GetMediaItemPeakList(ten_minute_item(), list);
  const kv_object::peak_table& table = list.table();
  using field = kv_object::peak_table::field;
  lua_state lua;
  lua_State* L = lua.L;
  for (auto _ : state) {
    lua_createtable(L, 0, 0);
    for (std::size_t row = 0; row < table.size(); ++row) {
      lua_pushinteger(L, static_cast<lua_Integer>(row + 1));
      lua_createtable(L, 0, 0);
      lua_pushstring(L, "Time");
      lua_pushnumber(L, table.get(row, field::Time));
      lua_settable(L, -3);
      lua_pushstring(L, "MaxPeak");
      lua_pushnumber(L, table.get(row, field::MaxPeak));
      lua_settable(L, -3);
      lua_pushstring(L, "MinPeak");
      lua_pushnumber(L, table.get(row, field::MinPeak));
      lua_settable(L, -3);
      lua_settable(L, -3);
    }
    state.PauseTiming();
    lua.drop_result();
    state.ResumeTiming();
  }
  state.counters["records"] = records;
}
BENCHMARK(peak_list_lua_table_hand_loop)->Unit(benchmark::kMillisecond);

}  // namespace
