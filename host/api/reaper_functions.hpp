#pragma once
// REAPER's functions that ReaScripts call most, with REAPER's exact C
// signatures: extended state, edit cursor and time selection, looking up
// tracks and takes, actions and their toggle states, transport, projects,
// tempo, and item editing.
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
  X(GetExtState, const char*, (const char* section, const char* key))                                                \
  X(SetExtState, void, (const char* section, const char* key, const char* value, bool persist))                      \
  X(HasExtState, bool, (const char* section, const char* key))                                                       \
  X(DeleteExtState, void, (const char* section, const char* key, bool persist))                                      \
  X(GetProjExtState, int,                                                                                            \
    (ReaProject * proj, const char* extname, const char* key, char* valOutNeedBig, int valOutNeedBig_sz))            \
  X(SetProjExtState, int, (ReaProject * proj, const char* extname, const char* key, const char* value))              \
  X(EnumProjExtState, bool,                                                                                          \
    (ReaProject * proj, const char* extname, int idx, char* keyOutOptional, int keyOutOptional_sz,                   \
     char* valOutOptional, int valOutOptional_sz))                                                                   \
  X(GetCursorPosition, double, ())                                                                                   \
  X(GetCursorPositionEx, double, (ReaProject * proj))                                                                \
  X(SetEditCurPos, void, (double time, bool moveview, bool seekplay))                                                \
  X(SetEditCurPos2, void, (ReaProject * proj, double time, bool moveview, bool seekplay))                            \
  X(GetSet_LoopTimeRange, void, (bool isSet, bool isLoop, double* startInOut, double* endInOut, bool allowautoseek)) \
  X(GetSet_LoopTimeRange2, void,                                                                                     \
    (ReaProject * proj, bool isSet, bool isLoop, double* startInOut, double* endInOut, bool allowautoseek))          \
  X(CountSelectedTracks, int, (ReaProject * proj))                                                                   \
  X(GetSelectedTrack2, MediaTrack*, (ReaProject * proj, int seltrackidx, bool wantmaster))                           \
  X(GetMasterTrack, MediaTrack*, (ReaProject * proj))                                                                \
  X(GetMediaItemTrack, MediaTrack*, (MediaItem * item))                                                              \
  X(GetMediaItemTake_Track, MediaTrack*, (MediaItem_Take * take))                                                    \
  X(GetTake, MediaItem_Take*, (MediaItem * item, int takeidx))                                                       \
  X(Main_OnCommand, void, (int command, int flag))                                                                   \
  X(NamedCommandLookup, int, (const char* command_name))                                                             \
  X(ReverseNamedCommandLookup, const char*, (int command_id))                                                        \
  X(GetToggleCommandState, int, (int command_id))                                                                    \
  X(GetToggleCommandStateEx, int, (int section_id, int command_id))                                                  \
  X(SetToggleCommandState, bool, (int section_id, int command_id, int state))                                        \
  X(GetPlayState, int, ())                                                                                           \
  X(GetPlayStateEx, int, (ReaProject * proj))                                                                        \
  X(OnPlayButton, void, ())                                                                                          \
  X(OnStopButton, void, ())                                                                                          \
  X(EnumProjects, ReaProject*, (int idx, char* projfnOutOptional, int projfnOutOptional_sz))                         \
  X(GetProjectName, void, (ReaProject * proj, char* bufOut, int bufOut_sz))                                          \
  X(GetProjectTimeSignature2, void, (ReaProject * proj, double* bpmOut, double* bpiOut))                             \
  X(TimeMap2_timeToBeats, double,                                                                                    \
    (ReaProject * proj, double tpos, int* measuresOutOptional, int* cmlOutOptional, double* fullbeatsOutOptional,    \
     int* cdenomOutOptional))                                                                                        \
  X(TimeMap2_beatsToTime, double, (ReaProject * proj, double tpos, const int* measuresInOptional))                   \
  X(TimeMap_GetDividedBpmAtTime, double, (double time))                                                              \
  X(Master_GetTempo, double, ())                                                                                     \
  X(SplitMediaItem, MediaItem*, (MediaItem * item, double position))                                                 \
  X(GetSetMediaItemInfo_String, bool, (MediaItem * item, const char* parmname, char* stringNeedBig, bool setNewValue))

// Notes shared by several functions.
namespace kvhost_notes {
inline constexpr const char* refused_time = "A negative or non-finite time is refused: the cursor stays.";
inline constexpr const char* loop_range =
    "Setting start after end, or a negative or non-finite time, changes nothing and returns the range as it is. "
    "Loop points follow the time selection only while option 40621 is on (off at start).";
inline constexpr const char* unsimulated_action = "An action kvhost does not simulate stops the run (exit status 3).";
inline constexpr const char* toggle_state =
    "A native action kvhost does not model stops the run (exit status 3); a script action reads -1 until set.";
inline constexpr const char* beats =
    "Beats count the denominator's notes (eighths in 6/8); the tempo counts quarter notes.";
inline constexpr const char* refused_values =
    "Unknown and read-only keys, and values out of a key's range, are refused (false).";
inline constexpr const char* one_line = "P_EXT values are one line (a line break is refused).";
}  // namespace kvhost_notes

// X(name, note): the behaviour kvhost chose where REAPER's own is not
// established, for these functions and others the host offers.
#define KVHOST_FUNCTION_NOTES(X)                                                                                  \
  X(GetExtState, "Sections and keys match without regard to case, in memory as in reaper-extstate.ini.")          \
  X(SetExtState,                                                                                                  \
    "A value with a line break is written to reaper-extstate.ini as is and read back cut at the break; a key "    \
    "holding '=' is read back cut there.")                                                                        \
  X(GetProjExtState, "Returns the value's length; 0 when the key is absent.")                                     \
  X(SetProjExtState, "Returns the number of keys extname holds afterwards.")                                      \
  X(EnumProjExtState, "Keys come in byte order of their spelling as first given.")                                \
  X(SetEditCurPos, kvhost_notes::refused_time)                                                                    \
  X(SetEditCurPos2, kvhost_notes::refused_time)                                                                   \
  X(GetSet_LoopTimeRange, kvhost_notes::loop_range)                                                               \
  X(GetSet_LoopTimeRange2, kvhost_notes::loop_range)                                                              \
  X(GetSelectedTrack2, "With wantmaster, a selected master comes first (index 0).")                               \
  X(Main_OnCommand, kvhost_notes::unsimulated_action)                                                             \
  X(Main_OnCommandEx, kvhost_notes::unsimulated_action)                                                           \
  X(NamedCommandLookup, "A name without the leading '_' finds nothing (0); digits give their number.")            \
  X(GetToggleCommandState, kvhost_notes::toggle_state)                                                            \
  X(GetToggleCommandStateEx, kvhost_notes::toggle_state)                                                          \
  X(OnPlayButton, "Play while playing keeps playing; play while paused resumes.")                                 \
  X(EnumProjects, "The file name is empty for an unsaved project.")                                               \
  X(GetProjectName, "Empty for an unsaved project.")                                                              \
  X(GetProjectPath, "For an unsaved project, the project folder kvhost was given (a temporary one by default).")  \
  X(TimeMap2_timeToBeats, kvhost_notes::beats)                                                                    \
  X(TimeMap2_beatsToTime, kvhost_notes::beats)                                                                    \
  X(SplitMediaItem,                                                                                               \
    "The cut has no fades (the left part keeps the fade-in, the right the fade-out); the right part is selected " \
    "as the item was.")                                                                                           \
  X(GetMediaItemInfo_Value, "Unknown keys read 0.")                                                               \
  X(SetMediaItemInfo_Value, kvhost_notes::refused_values)                                                         \
  X(SetMediaTrackInfo_Value,                                                                                      \
    "Unknown, read-only and screen-only keys (I_TCPH, I_TCPY, I_MCPW), and values out of a key's range (I_NCHAN " \
    "odd or beyond 2..128), are refused (false).")                                                                \
  X(SetMediaItemTakeInfo_Value, kvhost_notes::refused_values)                                                     \
  X(GetSetMediaTrackInfo_String,                                                                                  \
    "P_EXT values are one line (a line break is refused); P_RAZOREDITS must be triples of start < end and a "     \
    "quoted empty or GUID lane.")                                                                                 \
  X(GetSetMediaItemInfo_String, kvhost_notes::one_line)                                                           \
  X(GetSetMediaItemTakeInfo_String, kvhost_notes::one_line)                                                       \
  X(time_precise, "Starts at 86400 s and advances 1/30 s per deferred cycle, the same on every run.")             \
  X(GetOS, "On Linux \"Other\", as REAPER's header says; --os chooses another.")                                  \
  X(APIExists,                                                                                                    \
    "True for every REAPER 7.40 function name (calling one kvhost lacks stops the run) and what extensions "      \
    "registered; false for defer, runloop, atexit and get_action_context.")                                       \
  X(file_exists, "False for a folder.")                                                                           \
  X(MB,                                                                                                           \
    "The answer comes from the kvhost table's queue or --answers; none left stops the run (status 4). A type "    \
    "outside 0..5 is OK-only.")                                                                                   \
  X(GetUserInputs,                                                                                                \
    "0 or more than 16 fields return false without a dialog; a cancelled one returns the defaults as passed.")    \
  X(Undo_EndBlock,                                                                                                \
    "Blocks nest: the outermost End makes the point. Every point stores the whole project whatever extraflags "   \
    "says.")                                                                                                      \
  X(Undo_DoUndo2,                                                                                                 \
    "Refused (0) while a block is open. Handles of objects the undo rebuilt are invalid afterwards, and their "   \
    "addresses are never reused in the run.")                                                                     \
  X(Undo_OnStateChange, "Stores the whole project.")                                                              \
  X(SetItemStateChunk, "Lines kvhost does not model are kept as they are; text that does not parse is refused.")
