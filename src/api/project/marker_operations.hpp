#pragma once
// Reading, changing, adding and deleting the project's markers and regions.
// regionID is the host's enumeration index (markers and regions together, by
// position), not the number the host shows.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_MARKER_OPERATIONS(X)                                                                               \
  X(bool, GetRegionMarkerIndex, (ReaProject* projID, int regionID, int* indexOut),                            \
    "[KV:API]Get RegionMarker Index")                                                                         \
  X(bool, GetRegionMarkerPosition, (ReaProject* projID, int regionID, double* startPosOut, double* endPosOut), \
    "[KV:API]Get RegionMarker Start End Position")                                                            \
  X(bool, GetRegionMarkerName, (ReaProject* projID, int regionID, char* nameOut, int nameOut_sz),             \
    "[KV:API]Get RegionMarker Name")                                                                          \
  X(bool, GetRegionMarkerColor, (ReaProject* projID, int regionID, int* colorOut),                            \
    "[KV:API]Get RegionMarker Color")                                                                         \
  X(bool, SetRegionMarkerPosition, (ReaProject* projID, int regionID, double setStartPos, double setEndPos),  \
    "[KV:API]Set RegionMarker Position")                                                                      \
  X(bool, SetRegionMarkerColor, (ReaProject* projID, int regionID, int setColor),                             \
    "[KV:API]Set RegionMarker Color")                                                                         \
  X(bool, SetRegionMarkerName, (ReaProject* projID, int regionID, const char* setName),                       \
    "[KV:API]Set RegionMarker Name")                                                                          \
  X(bool, AddRegionMarker,                                                                                    \
    (ReaProject* projID, double setStartPos, double setEndPos, const char* setName, int setRegionIndex,       \
     int setColor, int* regionIndexOut),                                                                      \
    "[KV:API]Add RegionMarker")                                                                               \
  X(bool, DeleteAllRegion, (ReaProject* projID), "[KV:API]Delete All Region")

namespace KV_COBALT {
KV_MARKER_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
