#pragma once
// Reading, changing, adding and deleting the project's markers and regions.
// regionID is the host's enumeration index (markers and regions together, by
// position), not the number the host shows.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_MARKER_OPERATIONS(X)                                                                                        \
  X(bool, GetRegionMarkerIndex, (ReaProject * projID, int regionID, int* indexOut), "[KV:API]Get RegionMarker Index",  \
    "Writes the number shown for the marker or region at enumeration index regionID (markers and "                     \
    "regions counted together in position order); false when there is no such entry.")                                 \
  X(bool, GetRegionMarkerPosition, (ReaProject * projID, int regionID, double* startPosOut, double* endPosOut),        \
    "[KV:API]Get RegionMarker Start End Position",                                                                     \
    "Writes the start and end of the marker or region at regionID; "                                                   \
    "false when there is no such entry.")                                                                              \
  X(bool, GetRegionMarkerName, (ReaProject * projID, int regionID, char* nameOut, int nameOut_sz),                     \
    "[KV:API]Get RegionMarker Name",                                                                                   \
    "Copies the name of the marker or region at regionID into the buffer, cut to fit; false when "                     \
    "there is no such entry.")                                                                                         \
  X(bool, GetRegionMarkerColor, (ReaProject * projID, int regionID, int* colorOut), "[KV:API]Get RegionMarker Color",  \
    "Writes the native colour of the marker or region at regionID; false when there is no such entry.")                \
  X(bool, SetRegionMarkerPosition, (ReaProject * projID, int regionID, double setStartPos, double setEndPos),          \
    "[KV:API]Set RegionMarker Position",                                                                               \
    "Moves the marker or region at regionID to the new start and end; returns the host's answer, "                     \
    "false when there is no such entry.")                                                                              \
  X(bool, SetRegionMarkerColor, (ReaProject * projID, int regionID, int setColor), "[KV:API]Set RegionMarker Color",   \
    "Gives the marker or region at regionID the native colour setColor (with bit 0x1000000); false "                   \
    "when there is no such entry.")                                                                                    \
  X(bool, SetRegionMarkerName, (ReaProject * projID, int regionID, const char* setName),                               \
    "[KV:API]Set RegionMarker Name",                                                                                   \
    "Renames the marker or region at regionID (the host keeps the old name for an empty one); false "                  \
    "when there is no such entry.")                                                                                    \
  X(bool, AddRegionMarker,                                                                                             \
    (ReaProject * projID, double setStartPos, double setEndPos, const char* setName, int setRegionIndex, int setColor, \
     int* regionIndexOut),                                                                                             \
    "[KV:API]Add RegionMarker",                                                                                        \
    "Adds a region from setStartPos to setEndPos named setName with the native colour setColor, "                      \
    "asking for the shown number setRegionIndex, and writes the number the host gave (-1 when it "                     \
    "added nothing, then false).")                                                                                     \
  X(bool, DeleteAllRegion, (ReaProject * projID), "[KV:API]Delete All Region",                                         \
    "Deletes every region of the project and keeps the markers; false when the host failed to delete "                 \
    "one.")

namespace KV_COBALT {
KV_MARKER_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
