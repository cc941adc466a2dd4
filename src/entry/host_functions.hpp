#pragma once
// The host functions the library calls, each with the host's exact C signature.
// One list serves the library's import table and the headless host, which
// implements the same functions and checks its signatures against this list.
#include "host_types.hpp"

// X(name, return type, parameter list with names)
#define KV_HOST_FUNCTIONS(X)                                                                                           \
  /* For extensions (C): REAPER gives scripts no such function. */                                                     \
  X(plugin_register, int, (const char* name, void* infostruct))                                                        \
  X(ShowMessageBox, int, (const char* msg, const char* title, int type))                                               \
  X(ShowConsoleMsg, void, (const char* msg))                                                                           \
  X(GetUserInputs, bool,                                                                                               \
    (const char* title, int num_inputs, const char* captions_csv, char* retvals_csv, int retvals_csv_sz))              \
  X(GetProjectPath, void, (char* bufOut, int bufOut_sz))                                                               \
  X(GetResourcePath, const char*, ())                                                                                  \
  X(GetSetProjectInfo_String, bool, (ReaProject * project, const char* desc, char* valuestrNeedBig, bool is_set))      \
  /* For extensions (C), while a call fills a NeedBig buffer. */                                                       \
  X(realloc_cmd_ptr, bool, (char** ptr, int* ptr_size, int new_size))                                                  \
  X(CountTracks, int, (ReaProject * projOptional))                                                                     \
  X(GetTrack, MediaTrack*, (ReaProject * proj, int trackidx))                                                          \
  X(CountSelectedTracks2, int, (ReaProject * proj, bool wantmaster))                                                   \
  X(GetSelectedTrack, MediaTrack*, (ReaProject * proj, int seltrackidx))                                               \
  X(GetParentTrack, MediaTrack*, (MediaTrack * track))                                                                 \
  X(GetTrackDepth, int, (MediaTrack * track))                                                                          \
  X(GetTrackName, bool, (MediaTrack * track, char* bufOut, int bufOut_sz))                                             \
  X(InsertTrackAtIndex, void, (int idx, bool wantDefaults))                                                            \
  X(InsertTrackInProject, void, (ReaProject * proj, int idx, int flags))                                               \
  X(DeleteTrack, void, (MediaTrack * tr))                                                                              \
  X(SetTrackSelected, void, (MediaTrack * track, bool selected))                                                       \
  X(SetOnlyTrackSelected, void, (MediaTrack * track))                                                                  \
  X(GetMediaTrackInfo_Value, double, (MediaTrack * tr, const char* parmname))                                          \
  X(SetMediaTrackInfo_Value, bool, (MediaTrack * tr, const char* parmname, double newvalue))                           \
  X(GetSetMediaTrackInfo_String, bool, (MediaTrack * tr, const char* parmname, char* stringNeedBig, bool setNewValue)) \
  X(GetTrackColor, int, (MediaTrack * track))                                                                          \
  X(SetTrackColor, void, (MediaTrack * track, int color))                                                              \
  X(ColorToNative, int, (int r, int g, int b))                                                                         \
  X(ColorFromNative, void, (int col, int* rOut, int* gOut, int* bOut))                                                 \
  X(UpdateArrange, void, ())                                                                                           \
  X(GetMediaItem, MediaItem*, (ReaProject * proj, int itemidx))                                                        \
  X(CountSelectedMediaItems, int, (ReaProject * proj))                                                                 \
  X(GetSelectedMediaItem, MediaItem*, (ReaProject * proj, int selitem))                                                \
  X(GetMediaItemInfo_Value, double, (MediaItem * item, const char* parmname))                                          \
  X(SetMediaItemInfo_Value, bool, (MediaItem * item, const char* parmname, double newvalue))                           \
  X(SetMediaItemSelected, void, (MediaItem * item, bool selected))                                                     \
  X(SelectAllMediaItems, void, (ReaProject * proj, bool selected))                                                     \
  X(GetItemProjectContext, ReaProject*, (MediaItem * item))                                                            \
  X(GetActiveTake, MediaItem_Take*, (MediaItem * item))                                                                \
  X(CountTakes, int, (MediaItem * item))                                                                               \
  X(GetMediaItemTake_Peaks, int,                                                                                       \
    (MediaItem_Take * take, double peakrate, double starttime, int numchannels, int numsamplesperchannel,              \
     int want_extra_type, double* buf))                                                                                \
  X(GetTakeEnvelopeByName, TrackEnvelope*, (MediaItem_Take * take, const char* envname))                               \
  X(CountTakeEnvelopes, int, (MediaItem_Take * take))                                                                  \
  X(GetTakeEnvelope, TrackEnvelope*, (MediaItem_Take * take, int envidx))                                              \
  X(Main_OnCommandEx, void, (int command, int flag, ReaProject* proj))                                                 \
  X(ValidatePtr2, bool, (ReaProject * proj, void* pointer, const char* ctypename))                                     \
  X(CountProjectMarkers, int, (ReaProject * proj, int* num_markersOut, int* num_regionsOut))                           \
  X(EnumProjectMarkers3, int,                                                                                          \
    (ReaProject * proj, int idx, bool* isrgnOut, double* posOut, double* rgnendOut, const char** nameOut,              \
     int* markrgnindexnumberOut, int* colorOut))                                                                       \
  X(SetProjectMarker3, bool,                                                                                           \
    (ReaProject * proj, int markrgnindexnumber, bool isrgn, double pos, double rgnend, const char* name, int color))   \
  X(AddProjectMarker2, int,                                                                                            \
    (ReaProject * proj, bool isrgn, double pos, double rgnend, const char* name, int wantidx, int color))              \
  X(DeleteProjectMarkerByIndex, bool, (ReaProject * proj, int markrgnidx))

namespace host_signature {
#define KV_HOST_SIGNATURE(name, ret, params) using name = ret params;
KV_HOST_FUNCTIONS(KV_HOST_SIGNATURE)
#undef KV_HOST_SIGNATURE
}  // namespace host_signature
