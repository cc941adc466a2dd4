// N new files written under one name into one folder (KV_WriteFile mode 1:
// take.wav, take(1).wav, ...), counting the opens the writes make through
// this program's own open() (linked with --wrap=open). Where the system proves
// that no name left the folder between writes (inotify on Linux's local file
// systems), each write resumes where the last ended: one open. Where a name
// leaves the folder before each write, or nothing can prove the folder
// unchanged (other systems, network file systems), each write tries every
// earlier name again: N²/2 opens in all.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <filesystem>
#include <memory>
#include <string>

#include "api/text/file_operations.hpp"

namespace {

namespace fs = std::filesystem;

long opens = 0;

class bench_folder {
 public:
  bench_folder() : path_(fs::temp_directory_path() / ("kv-bench-new-files-" + std::to_string(getpid()))) {
    fs::create_directories(path_);
  }
  ~bench_folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  bench_folder(const bench_folder&) = delete;
  bench_folder& operator=(const bench_folder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// range(0) writes into a fresh folder per iteration; with a change before
// each write (a name freed), when changed is true.
void write_new_files(benchmark::State& state, bool changed) {
  const long files = state.range(0);
  long opened = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto folder = std::make_unique<bench_folder>();
    const std::string dir = folder->path().string(), other = (folder->path() / "other.txt").string();
    state.ResumeTiming();
    const long before = opens;
    for (long i = 0; i < files; ++i) {
      if (changed) {
        KV_COBALT::WriteFile(dir.c_str(), "other.txt", "", 0);
        fs::remove(other);
      }
      if (!KV_COBALT::WriteFile(dir.c_str(), "take.wav", "x", 1)) state.SkipWithError("a write failed");
    }
    opened = opens - before - (changed ? files : 0);
    state.PauseTiming();
    folder.reset();
    state.ResumeTiming();
  }
  state.counters["opens per write"] = static_cast<double>(opened) / static_cast<double>(files);
  state.SetItemsProcessed(state.iterations() * files);
}

void NewFilesInAnUnchangedFolder(benchmark::State& state) { write_new_files(state, false); }
BENCHMARK(NewFilesInAnUnchangedFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

void NewFilesWithANameFreedBeforeEach(benchmark::State& state) { write_new_files(state, true); }
BENCHMARK(NewFilesWithANameFreedBeforeEach)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// Every open() of the program, the library's included, passes here.
extern "C" int __real_open(const char* path, int flags, ...);
extern "C" int __wrap_open(const char* path, int flags, ...) {
  ++opens;
  if (!(flags & (O_CREAT | O_TMPFILE))) return __real_open(path, flags);
  std::va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = va_arg(arguments, mode_t);
  va_end(arguments);
  return __real_open(path, flags, mode);
}
