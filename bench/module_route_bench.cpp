// The Lua module's two routes to a 10-minute peak list (600,000 records), in
// one Lua 5.3 that exports its C API: the library opened as a C module, and
// the Lua file that REAPER's own Lua uses, whose lists come as bytes
// through the registered functions. through_host_x_direct is the second's
// time over the first's best.
#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "loader/extension.hpp"
#include "lua/script.hpp"
#include "simulation.hpp"

namespace {

constexpr int rate = 48000;
constexpr int seconds = 600;

struct routes {
  lua_State* L = nullptr;
  MediaItem* item = nullptr;
  double direct_seconds = 0;

  routes() {
    kvhost::load_extension();
    std::vector<float> samples(static_cast<std::size_t>(rate) * seconds);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = static_cast<float>(std::sin(static_cast<double>(i) * 0.01) * 0.5);
    MediaTrack* track = kvhost::add_tracks(nullptr, {0})[0];
    item = kvhost::add_item(track, 0, seconds, kvhost::create_source(rate, 1, std::move(samples)));
    L = kvhost::new_script_state();
    std::string error;
    const bool opened = kvhost::run_lua_text(L, R"(
      local plugins = reaper.GetResourcePath() .. "/UserPlugins"
      direct = assert(package.loadlib(plugins .. "/reaper_KELVARO_COBALT.so", "luaopen_reaper_KELVARO_COBALT")())
      package.path = plugins .. "/?.lua;" .. package.path
      through_host = require("reaper_KELVARO_COBALT"))",
                                             error);
    if (!opened) throw std::runtime_error(error);
    direct_seconds = 1e9;
    for (int i = 0; i < 3; ++i) {
      const auto start = std::chrono::steady_clock::now();
      peak_list("direct");
      direct_seconds =
          std::min(direct_seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      drop();
    }
  }

  // Leaves ok and the list on the stack.
  void peak_list(const char* module) {
    lua_getglobal(L, module);
    lua_getfield(L, -1, "KV_GetMediaItemPeakList");
    lua_pushlightuserdata(L, item);
    lua_call(L, 1, 2);
    if (!lua_toboolean(L, -2) || luaL_len(L, -1) != seconds * 1000) throw std::runtime_error("no peak list");
  }
  void drop() {
    lua_settop(L, 0);
    lua_gc(L, LUA_GCCOLLECT, 0);
  }
};

routes& ten_minutes() {
  static routes shared;
  return shared;
}

void run(benchmark::State& state, const char* module) {
  routes& r = ten_minutes();
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    r.peak_list(module);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    r.drop();
    state.ResumeTiming();
  }
  state.counters["records"] = seconds * 1000.0;
  state.counters["through_host_x_direct"] = total / static_cast<double>(state.iterations()) / r.direct_seconds;
}

void module_peak_list_direct(benchmark::State& state) { run(state, "direct"); }
BENCHMARK(module_peak_list_direct)->Unit(benchmark::kMillisecond)->Iterations(3);

void module_peak_list_through_host(benchmark::State& state) { run(state, "through_host"); }
BENCHMARK(module_peak_list_through_host)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
