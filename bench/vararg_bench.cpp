// What the vararg wrapper costs over calling the registered function directly.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "entry/registry.hpp"

namespace {

const KV_COBALT::api_record& row(const char* key) {
  const auto& table = KV_COBALT::api_define_list;
  for (int i = 0; i < table.count; ++i)
    if (std::string(table.records[i].api_key) == key) return table.records[i];
  std::abort();
}

using check_fn = bool (*)(const char*, const char*, bool*);

void DirectCall(benchmark::State& state) {
  auto fn = reinterpret_cast<check_fn>(row("API_KV_CheckIncludeString").function);
  bool out = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fn("The quick brown fox", "BROWN", &out));
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(DirectCall);

void VarargCall(benchmark::State& state) {
  auto wrapper = row("API_KV_CheckIncludeString").vararg;
  bool out = false;
  void* args[] = {const_cast<char*>("The quick brown fox"), const_cast<char*>("BROWN"), &out};
  for (auto _ : state) {
    benchmark::DoNotOptimize(wrapper(args, 3));
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(VarargCall);

}  // namespace

BENCHMARK_MAIN();
