#pragma once
// Bringing an item's loudest momentary loudness (400 ms windows, measured by
// the SWS extension) to a level the script asks for, through the item volume.
// maxMomentaryOut receives the position in project time of that loudest
// window, not its loudness; a caller that does not want it passes null.
// Nothing changes, and nothing is written, when the target is not finite or
// would take the volume to 0, the item has no active take, the analysis
// fails, or the item is silent.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_LOUDNESS_OPERATIONS(X)                                                                                \
  X(bool, SetMediaItemLoudnessMaxMomentary, (MediaItem * item, double setMaxMomentary, double* maxMomentaryOut), \
    "[KV:API]Set Media Item Momenatary",                                                                         \
    "Changes the item's volume so that its loudest momentary loudness becomes setMaxMomentary LUFS, "            \
    "and writes the project time of that loudest 400 ms window. False, the volume unchanged and "                \
    "nothing written, for a target that is not a finite number or so low that the volume would fall to "         \
    "0, a null item or one of no project (a deleted item), an item without an active take, a silent "            \
    "item, a failed analysis, or without the SWS extension.")                                                    \
  X(bool, SetMediaIdLoudnessMaxMomentary,                                                                        \
    (ReaProject * projID, int itemID, double setMaxMomentary, double* maxMomentaryOut),                          \
    "[KV:API]Set Media Id Momenatary",                                                                           \
    "As KV_SetMediaItemLoudnessMaxMomentary for the item at itemID among all items of the project; "             \
    "false when the index names no item.")                                                                       \
  X(bool, SetSelectedMediaIdLoudnessMaxMomentary,                                                                \
    (ReaProject * projID, int selectItemID, double setMaxMomentary, double* maxMomentaryOut),                    \
    "[KV:API]Set Selected Media Id Momenatary",                                                                  \
    "As KV_SetMediaItemLoudnessMaxMomentary for the selected item at selectItemID; false when the "              \
    "index names no item.")

namespace KV_COBALT {
KV_LOUDNESS_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
