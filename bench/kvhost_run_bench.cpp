// A whole run of the headless host, as a script writer's CI starts it: the
// program starts, builds a fixture of 50 tracks and 200 items, runs a script
// of 100 calls, saves the project and exits; in Lua and as a Python ReaScript.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

extern char** environ;

namespace {

// The exit status of kvhost run on SCRIPT, or -1 when it did not run or end.
int run_kvhost(const char* script) {
  static std::string saved = (std::filesystem::temp_directory_path() / "kvhost_whole_run.RPP").string();
  char* argv[] = {const_cast<char*>(KV_BENCH_KVHOST), const_cast<char*>("--save-project"), saved.data(),
                  const_cast<char*>(script), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void kvhost_whole_run(benchmark::State& state, const char* script) {
  for (auto _ : state)
    if (run_kvhost(script) != 0) {
      state.SkipWithError("the kvhost run failed");
      break;
    }
}
BENCHMARK_CAPTURE(kvhost_whole_run, lua, KV_BENCH_DIR "/whole_run.lua")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(kvhost_whole_run, python, KV_BENCH_DIR "/whole_run.py")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
