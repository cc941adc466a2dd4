// An action run on one item while thousands of others stay selected, in the
// simulated host: the selection is read, cleared and put back around the
// command, so twice the selected items should cost about twice the time.
#include <benchmark/benchmark.h>

#include "api/host_api.hpp"
#include "api/item/item_action_operations.hpp"
#include "entry/plugin.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"

using namespace KV_COBALT;

namespace {

// An action the host does not know: only the selection work is measured.
constexpr int no_action = 1;

void ActionMediaItemSelectKeep_Selected(benchmark::State& state) {
  using namespace kvhost::api;
  const int selected = static_cast<int>(state.range(0));
  ReaperPluginEntry(nullptr, nullptr);
  kvhost::reset();
  ReaperPluginEntry(nullptr, kvhost::host_record());
  MediaTrack* track = kvhost::add_tracks(nullptr, {0}).at(0);
  MediaItem* target = nullptr;
  for (int i = 0; i <= selected; ++i) {
    target = AddMediaItemToTrack(track);
    SetMediaItemInfo_Value(target, "D_POSITION", i);
    SetMediaItemSelected(target, i < selected);
  }
  for (auto _ : state)
    if (!ActionMediaItemSelectKeep(target, no_action) || CountSelectedMediaItems(nullptr) != selected)
      state.SkipWithError("the selection was not kept");
  state.SetComplexityN(selected);
}

}  // namespace

BENCHMARK(ActionMediaItemSelectKeep_Selected)
    ->Unit(benchmark::kMillisecond)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Complexity();
