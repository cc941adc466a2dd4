// What scripts probe of the machine and the host, and redraw requests, which
// change nothing in a host without a screen.
#include <sys/stat.h>
#include <unistd.h>

#include "api/host_api.hpp"
#include "data/reaper_functions.hpp"
#include "loader/functions.hpp"
#include "model/runner.hpp"

namespace kvhost::api {
using kvhost::model::runner;

double time_precise() { return runner().clock; }

const char* GetOS() { return runner().os.c_str(); }

const char* GetAppVersion() { return runner().app_version.c_str(); }

// REAPER's own functions exist even where the host stops the run when one is
// called; the script engine's defer and its kin are no API functions.
bool APIExists(const char* function_name) {
  return function_name && exists_in_reaper(function_name) && !is_script_engine_function(function_name);
}

bool file_exists(const char* path) {
  struct stat status {};
  return path && ::stat(path, &status) == 0 && S_ISREG(status.st_mode) && ::access(path, R_OK) == 0;
}

void PreventUIRefresh(int prevent_count) { runner().prevent_ui_refresh += prevent_count; }

void UpdateTimeline() {}

void TrackList_AdjustWindows(bool) {}

void RefreshToolbar(int) {}

void RefreshToolbar2(int, int) {}

void GetMousePosition(int* xOut, int* yOut) {
  if (xOut) *xOut = runner().mouse_x;
  if (yOut) *yOut = runner().mouse_y;
}

}  // namespace kvhost::api
