// Listing files by extension over a tree of 100,000 files in 1,000 folders,
// against `find DIR -iname '*.wav'` over the same tree in the same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "api/text/file_lists.hpp"
#include "utility/utility.hpp"

namespace {

namespace fs = std::filesystem;

constexpr int top_folders = 10;
constexpr int inner_folders = 99;  // in each top folder: 10 + 990 = 1,000 folders
constexpr int files_per_folder = 100;

// Six in ten files are .wav, one in ten .WAV, the rest .txt.
const char* extension_of(int file) {
  const int kind = file % 10;
  return kind < 6 ? ".wav" : kind < 7 ? ".WAV" : ".txt";
}

void fill(const fs::path& folder) {
  fs::create_directories(folder);
  for (int file = 0; file < files_per_folder; ++file) {
    const fs::path name = folder / ("take_" + std::to_string(file) + extension_of(file));
    if (std::FILE* made = std::fopen(name.c_str(), "wb")) std::fclose(made);
  }
}

class file_tree {
 public:
  file_tree() : root_(fs::temp_directory_path() / ("kv-bench-files-" + std::to_string(getpid()))) {
    for (int top = 0; top < top_folders; ++top) {
      const fs::path outer = root_ / ("group_" + std::to_string(top));
      fill(outer);
      for (int inner = 0; inner < inner_folders; ++inner) fill(outer / ("session_" + std::to_string(inner)));
    }
  }
  ~file_tree() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

const file_tree& tree() {
  static const file_tree made;
  return made;
}

void GetFilePathListOverTree(benchmark::State& state) {
  const std::string root = tree().root().string();
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<std::string> list;
    KV_COBALT::GetFilePathList(root, "wav", list);
    found = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["files"] = static_cast<double>(found);
}
BENCHMARK(GetFilePathListOverTree)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void FindInameOverTree(benchmark::State& state) {
  const std::string command = "find " + kv_utility::shell_quote(tree().root().string()) + " -iname '*.wav' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
  }
}
BENCHMARK(FindInameOverTree)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
