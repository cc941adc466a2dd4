#pragma once
// Host functions over the project as a whole: undo points and state chunks,
// with the host's exact C signatures.
#include "definition.hpp"
#include "host_types.hpp"

// X(name, return type, parameter list with names)
#define KVHOST_PROJECT_STATE_FUNCTIONS(X)                                                                  \
  X(Undo_BeginBlock, void, ())                                                                             \
  X(Undo_BeginBlock2, void, (ReaProject * proj))                                                           \
  X(Undo_EndBlock, void, (const char* descchange, int extraflags))                                         \
  X(Undo_EndBlock2, void, (ReaProject * proj, const char* descchange, int extraflags))                     \
  X(Undo_OnStateChange, void, (const char* descchange))                                                    \
  X(Undo_OnStateChange2, void, (ReaProject * proj, const char* descchange))                                \
  X(Undo_DoUndo2, int, (ReaProject * proj))                                                                \
  X(Undo_CanUndo2, const char*, (ReaProject * proj))                                                       \
  X(GetItemStateChunk, bool, (MediaItem * item, char* strNeedBig, int strNeedBig_sz, bool isundoOptional)) \
  X(SetItemStateChunk, bool, (MediaItem * item, const char* str, bool isundoOptional))                     \
  X(GetTrackStateChunk, bool, (MediaTrack * track, char* strNeedBig, int strNeedBig_sz, bool isundoOptional))
