// Reading every entry of a pooled map by position, in key order, as a Python
// script does: the cost per entry must not grow with the map.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "binding/python/python_exports.hpp"

namespace {

void map_read_in_order(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const std::uint64_t map = py_create_map();
  char key[1024];
  for (int i = 0; i < entries; ++i) {
    std::snprintf(key, sizeof key, "key%07d", i);
    py_set_map_int(map, key, i);
  }
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < entries; ++i) sum += py_get_int_inmap(map, i, key);
    benchmark::DoNotOptimize(sum);
  }
  py_release_obj(map);
  state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(map_read_in_order)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace
