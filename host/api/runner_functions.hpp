#pragma once
// Host functions for running users' scripts: the environment they probe,
// redraw requests, dialogs and the console, with the host's exact C
// signatures.
#include "host_types.hpp"

// X(name, return type, parameter list with names)
#define KVHOST_RUNNER_FUNCTIONS(X)                                                  \
  X(time_precise, double, ())                                                       \
  X(GetOS, const char*, ())                                                         \
  X(GetAppVersion, const char*, ())                                                 \
  X(APIExists, bool, (const char* function_name))                                   \
  X(file_exists, bool, (const char* path))                                          \
  X(PreventUIRefresh, void, (int prevent_count))                                    \
  X(UpdateTimeline, void, ())                                                       \
  X(TrackList_AdjustWindows, void, (bool isMinor))                                  \
  X(RefreshToolbar, void, (int command_id))                                         \
  X(RefreshToolbar2, void, (int section_id, int command_id))                        \
  X(MB, int, (const char* msg, const char* title, int type))                        \
  X(ClearConsole, void, ())                                                         \
  X(TrackCtl_SetToolTip, void, (const char* fmt, int xpos, int ypos, bool topmost)) \
  X(GetMousePosition, void, (int* xOut, int* yOut))
