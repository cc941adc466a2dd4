#pragma once
// The list functions scripts reach through the Lua module (as "KV_<name>")
// and the C interface for Python (as "py_<name>"), declared once: each row
// makes the Lua function and its registration, the Python export, and feeds
// the documentation. The builder KV_COBALT::<name> fixes the inputs and the
// result: a list of tracks, of records or of texts (and a count for two).
//
// Lua: the inputs in order; results a boolean, a table, and the count where
// there is one. Python: the inputs, then the out handle of the pooled result
// (written only on success, always for lists of texts), then the count.
#include <cstdint>

#include "api/item/peak_lists.hpp"
#include "api/text/file_lists.hpp"
#include "api/text/string_lists.hpp"
#include "api/track/track_lists.hpp"
#include "entry/host_types.hpp"

// X(name, Python parameters, Python arguments, description)
#define KV_LIST_FUNCTIONS(X)                                                                                           \
  X(GetTrackItemList, (ReaProject * projID, std::uint64_t * handleOut), (projID, handleOut),                           \
    "Every track of the project, in order.")                                                                           \
  X(GetTrackItemChildList, (MediaTrack * track, std::uint64_t * handleOut, int* countOut),                             \
    (track, handleOut, countOut), "The direct children of a track, and their count.")                                  \
  X(GetTrackIdChildList, (ReaProject * projID, int trackID, std::uint64_t* handleOut, int* countOut),                  \
    (projID, trackID, handleOut, countOut),                                                                            \
    "The direct children of the track at an index (the top-level tracks when there is none), and their count.")        \
  X(GetSelectedTrackIdChildList, (ReaProject * projID, int selectTrackID, std::uint64_t* handleOut),                   \
    (projID, selectTrackID, handleOut),                                                                                \
    "The direct children of the selected track at an index (the top-level tracks when there is none); false "          \
    "when the list is empty.")                                                                                         \
  X(GetTrackDepthList, (ReaProject * projID, std::uint64_t * handleOut), (projID, handleOut),                          \
    "A TrackDetail per track with Track and Depth; false when the project has no track.")                              \
  X(GetSamePerfectTrackNameList, (ReaProject * projID, const char* name, std::uint64_t* handleOut),                    \
    (projID, name, handleOut), "A TrackDetail with Track and Index per track named exactly name; false when none is.") \
  X(GetIncludePerfectTrackNameList, (ReaProject * projID, const char* name, std::uint64_t* handleOut),                 \
    (projID, name, handleOut),                                                                                         \
    "A TrackDetail with Track and Index per track whose name contains name in any ASCII case; false when none "        \
    "does.")                                                                                                           \
  X(GetFilePathList, (const char* directory, const char* extension, std::uint64_t* handleOut),                         \
    (directory, extension, handleOut),                                                                                 \
    "The paths below a folder, at any depth, whose extension (given without its dot) matches in any case; false "      \
    "when the folder does not exist.")                                                                                 \
  X(GetStringSplitList, (const char* text, const char* delimiters, std::uint64_t* handleOut),                          \
    (text, delimiters, handleOut), "The fields of a text cut at every byte found in delimiters.")                      \
  X(GetUserInputList,                                                                                                  \
    (const char* title, int inputCount, const char* captions, const char* defaultValues, std::uint64_t* handleOut),    \
    (title, inputCount, captions, defaultValues, handleOut),                                                           \
    "Asks the user for inputCount comma-separated values; the answers, and whether the user confirmed.")               \
  X(GetMediaItemPeakList, (MediaItem * item, std::uint64_t * handleOut), (item, handleOut),                            \
    "A kv_Peak per millisecond of the item with Time, MaxPeak and MinPeak (dB); false without an item, a length "      \
    "or peaks.")                                                                                                       \
  X(GetMediaIdPeakList, (ReaProject * projID, int itemID, std::uint64_t* handleOut), (projID, itemID, handleOut),      \
    "The peak list of the item at an index.")                                                                          \
  X(GetSelectedMediaIdPeakList, (ReaProject * projID, int selectItemID, std::uint64_t* handleOut),                     \
    (projID, selectItemID, handleOut), "The peak list of the selected item at an index.")
