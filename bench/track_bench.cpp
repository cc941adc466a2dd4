// Track operations and track lists on large projects of nested folders in the
// simulated host: 10,000 tracks should cost about ten times 1,000 tracks.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "api/track/track_depth_operations.hpp"
#include "api/track/track_insert_operations.hpp"
#include "api/track/track_lists.hpp"
#include "entry/plugin.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"

using namespace KV_COBALT;

namespace {

// Blocks of ten tracks: F{a, b, G{c, d}, e, H{f}}, so every block nests two levels.
const std::vector<int> block{1, 0, 0, 1, 0, -1, 0, 1, 0, -2};

// A fresh current project of count tracks with the library started on it.
std::vector<MediaTrack*> nested_project(int count) {
  ReaperPluginEntry(nullptr, nullptr);
  kvhost::reset();
  ReaperPluginEntry(nullptr, kvhost::host_record());
  std::vector<int> folder_depths;
  for (int i = 0; i < count; ++i) folder_depths.push_back(block[static_cast<std::size_t>(i) % block.size()]);
  return kvhost::add_tracks(nullptr, folder_depths);
}

int middle_block(int count) { return count / 2 / 10 * 10; }

void SetTrackIdDepth_Middle(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  nested_project(count);
  const int target = middle_block(count) + 1;  // a first child: its depth can go 1 -> 0 -> 1
  int depth = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SetTrackIdDepth(nullptr, target, depth));
    depth = 1 - depth;
  }
}

void InsertChildTrack_MiddleFolder(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto tracks = nested_project(count);
  MediaTrack* parent = tracks[static_cast<std::size_t>(middle_block(count))];
  MediaTrack* last_descendant = tracks[static_cast<std::size_t>(middle_block(count) + 9)];
  int index = 0;
  for (auto _ : state) {
    MediaTrack* inserted = InsertChildTrack(parent, &index);
    state.PauseTiming();
    kvhost::api::DeleteTrack(inserted);  // back to the same project
    kvhost::api::SetMediaTrackInfo_Value(last_descendant, "I_FOLDERDEPTH", -2);
    state.ResumeTiming();
  }
}

void InsertTrackSearchUniqueOnly_NewName(benchmark::State& state) {
  nested_project(static_cast<int>(state.range(0)));
  int index = 0;
  for (auto _ : state) {
    MediaTrack* appended = InsertTrackSearchUniqueOnly(nullptr, "Not there yet", &index);
    state.PauseTiming();
    kvhost::api::DeleteTrack(appended);
    state.ResumeTiming();
  }
}

template <class Build>
void list_benchmark(benchmark::State& state, Build build) {
  auto tracks = nested_project(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(build(tracks));
}

void GetTrackItemList_All(benchmark::State& state) {
  list_benchmark(state, [](const auto&) {
    track_list list;
    GetTrackItemList(nullptr, list);
    return list.size();
  });
}

void GetTrackItemChildList_MiddleFolder(benchmark::State& state) {
  const auto parent = static_cast<std::size_t>(middle_block(static_cast<int>(state.range(0))));
  list_benchmark(state, [parent](const auto& tracks) {
    track_list list;
    int count = 0;
    GetTrackItemChildList(tracks[parent], list, count);
    return count;
  });
}

void GetTrackIdChildList_TopLevel(benchmark::State& state) {
  list_benchmark(state, [](const auto&) {
    track_list list;
    int count = 0;
    GetTrackIdChildList(nullptr, -1, list, count);
    return count;
  });
}

void GetSelectedTrackIdChildList_MiddleFolder(benchmark::State& state) {
  const auto parent = static_cast<std::size_t>(middle_block(static_cast<int>(state.range(0))));
  list_benchmark(state, [parent](const auto& tracks) {
    kvhost::api::SetOnlyTrackSelected(tracks[parent]);
    track_list list;
    return GetSelectedTrackIdChildList(nullptr, 0, list);
  });
}

void GetTrackDepthList_All(benchmark::State& state) {
  list_benchmark(state, [](const auto&) {
    track_detail_list rows;
    GetTrackDepthList(nullptr, rows);
    return rows.size();
  });
}

void GetSamePerfectTrackNameList_Default(benchmark::State& state) {
  list_benchmark(state, [](const auto&) {
    track_detail_list rows;
    return GetSamePerfectTrackNameList(nullptr, "Track 77", rows);
  });
}

void GetIncludePerfectTrackNameList_Default(benchmark::State& state) {
  list_benchmark(state, [](const auto&) {
    track_detail_list rows;
    return GetIncludePerfectTrackNameList(nullptr, "TRACK 7", rows);
  });
}

}  // namespace

BENCHMARK(SetTrackIdDepth_Middle)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(InsertChildTrack_MiddleFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(InsertTrackSearchUniqueOnly_NewName)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetTrackItemList_All)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetTrackItemChildList_MiddleFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetTrackIdChildList_TopLevel)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetSelectedTrackIdChildList_MiddleFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetTrackDepthList_All)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetSamePerfectTrackNameList_Default)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GetIncludePerfectTrackNameList_Default)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
