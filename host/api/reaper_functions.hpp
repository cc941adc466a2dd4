#pragma once
// REAPER's functions that ReaScripts call most, with REAPER's exact C
// signatures: extended state, edit cursor and time selection, looking up
// tracks and takes, actions and their toggle states, transport, projects,
// tempo, and item editing. Comments give the behaviour kvhost chose where
// REAPER's own is not established.
#include "definition.hpp"
#include "host_types.hpp"

namespace kv_registry {
template <>
struct type_name<const int*> {
  static constexpr std::string_view value = "const int*";
};
}  // namespace kv_registry

// X(name, return type, parameter list with names). A value pointer named
// "...InOut" is given by the script and returned to it.
#define KVHOST_REAPER_FUNCTIONS(X)                                                                                   \
  /* Sections and keys match without regard to case in memory as in the file; */                                     \
  /* a value with a line break is written as is and cut there when read back. */                                     \
  X(GetExtState, const char*, (const char* section, const char* key))                                                \
  X(SetExtState, void, (const char* section, const char* key, const char* value, bool persist))                      \
  X(HasExtState, bool, (const char* section, const char* key))                                                       \
  X(DeleteExtState, void, (const char* section, const char* key, bool persist))                                      \
  /* Returns the value's length (0: no such key). */                                                                 \
  X(GetProjExtState, int,                                                                                            \
    (ReaProject * proj, const char* extname, const char* key, char* valOutNeedBig, int valOutNeedBig_sz))            \
  /* Returns the number of keys extname holds afterwards. */                                                         \
  X(SetProjExtState, int, (ReaProject * proj, const char* extname, const char* key, const char* value))              \
  /* Keys in byte order of their spelling as first given. */                                                         \
  X(EnumProjExtState, bool,                                                                                          \
    (ReaProject * proj, const char* extname, int idx, char* keyOutOptional, int keyOutOptional_sz,                   \
     char* valOutOptional, int valOutOptional_sz))                                                                   \
  X(GetCursorPosition, double, ())                                                                                   \
  X(GetCursorPositionEx, double, (ReaProject * proj))                                                                \
  /* A negative or non-finite time is refused: the cursor stays. */                                                  \
  X(SetEditCurPos, void, (double time, bool moveview, bool seekplay))                                                \
  X(SetEditCurPos2, void, (ReaProject * proj, double time, bool moveview, bool seekplay))                            \
  /* Setting start > end, a negative or a non-finite time changes nothing and */                                     \
  /* returns the range as it is; loop points follow the time selection only */                                       \
  /* with option 40621 on (off at start). */                                                                         \
  X(GetSet_LoopTimeRange, void, (bool isSet, bool isLoop, double* startInOut, double* endInOut, bool allowautoseek)) \
  X(GetSet_LoopTimeRange2, void,                                                                                     \
    (ReaProject * proj, bool isSet, bool isLoop, double* startInOut, double* endInOut, bool allowautoseek))          \
  X(CountSelectedTracks, int, (ReaProject * proj))                                                                   \
  /* With wantmaster, a selected master comes first (index 0). */                                                    \
  X(GetSelectedTrack2, MediaTrack*, (ReaProject * proj, int seltrackidx, bool wantmaster))                           \
  X(GetMasterTrack, MediaTrack*, (ReaProject * proj))                                                                \
  X(GetMediaItemTrack, MediaTrack*, (MediaItem * item))                                                              \
  X(GetMediaItemTake_Track, MediaTrack*, (MediaItem_Take * take))                                                    \
  X(GetTake, MediaItem_Take*, (MediaItem * item, int takeidx))                                                       \
  /* An action kvhost does not simulate stops the run (status 3). */                                                 \
  X(Main_OnCommand, void, (int command, int flag))                                                                   \
  /* A name without the leading "_" finds nothing (0). */                                                            \
  X(NamedCommandLookup, int, (const char* command_name))                                                             \
  X(ReverseNamedCommandLookup, const char*, (int command_id))                                                        \
  X(GetToggleCommandState, int, (int command_id))                                                                    \
  X(GetToggleCommandStateEx, int, (int section_id, int command_id))                                                  \
  X(SetToggleCommandState, bool, (int section_id, int command_id, int state))                                        \
  X(GetPlayState, int, ())                                                                                           \
  X(GetPlayStateEx, int, (ReaProject * proj))                                                                        \
  /* Play while playing keeps playing; play while paused resumes. */                                                 \
  X(OnPlayButton, void, ())                                                                                          \
  X(OnStopButton, void, ())                                                                                          \
  /* The file name is empty for an unsaved project. */                                                               \
  X(EnumProjects, ReaProject*, (int idx, char* projfnOutOptional, int projfnOutOptional_sz))                         \
  /* Empty for an unsaved project. */                                                                                \
  X(GetProjectName, void, (ReaProject * proj, char* bufOut, int bufOut_sz))                                          \
  X(GetProjectTimeSignature2, void, (ReaProject * proj, double* bpmOut, double* bpiOut))                             \
  /* Beats count the denominator's notes (eighths in 6/8), at the tempo times D/4. */                                \
  X(TimeMap2_timeToBeats, double,                                                                                    \
    (ReaProject * proj, double tpos, int* measuresOutOptional, int* cmlOutOptional, double* fullbeatsOutOptional,    \
     int* cdenomOutOptional))                                                                                        \
  X(TimeMap2_beatsToTime, double, (ReaProject * proj, double tpos, const int* measuresInOptional))                   \
  X(TimeMap_GetDividedBpmAtTime, double, (double time))                                                              \
  X(Master_GetTempo, double, ())                                                                                     \
  /* The cut has no fades; the right part is selected as the item was. */                                            \
  X(SplitMediaItem, MediaItem*, (MediaItem * item, double position))                                                 \
  X(GetSetMediaItemInfo_String, bool, (MediaItem * item, const char* parmname, char* stringNeedBig, bool setNewValue))
