#include "api/project/marker_operations.hpp"

#include <optional>
#include <string>

#include "entry/host_import.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

// The host's flag for a colour of one's own; without it the colour is ignored.
constexpr int custom_color = 0x1000000;

struct marker_entry {
  bool region = false;
  double start = 0;
  double end = 0;
  std::string name;
  int number = 0;  // the number the host shows
  int color = 0;
};

std::optional<marker_entry> read_entry(ReaProject* project, int index) {
  marker_entry entry;
  const char* name = nullptr;
  if (host::EnumProjectMarkers3(project, index, &entry.region, &entry.start, &entry.end, &name, &entry.number,
                                &entry.color) == 0)
    return std::nullopt;
  entry.name = name ? name : "";
  return entry;
}

// Hands entry index to use and returns what use returns; false when the
// enumeration has no such entry, so nothing is read or written for it.
template <class Use>
bool with_entry(ReaProject* project, int index, Use use) {
  auto entry = read_entry(project, index);
  return entry && use(*entry);
}

bool write_entry(ReaProject* project, const marker_entry& entry) {
  return host::SetProjectMarker3(project, entry.number, entry.region, entry.start, entry.end, entry.name.c_str(),
                                 entry.color);
}

}  // namespace

bool GetRegionMarkerIndex(ReaProject* projID, int regionID, int* indexOut) {
  return indexOut && with_entry(projID, regionID, [&](const marker_entry& entry) {
           *indexOut = entry.number;
           return true;
         });
}

bool GetRegionMarkerPosition(ReaProject* projID, int regionID, double* startPosOut, double* endPosOut) {
  return startPosOut && endPosOut && with_entry(projID, regionID, [&](const marker_entry& entry) {
           *startPosOut = entry.start;
           *endPosOut = entry.end;
           return true;
         });
}

bool GetRegionMarkerName(ReaProject* projID, int regionID, char* nameOut, int nameOut_sz) {
  return nameOut && with_entry(projID, regionID, [&](const marker_entry& entry) {
           kv_utility::strcpy(nameOut, nameOut_sz, entry.name);
           return true;
         });
}

bool GetRegionMarkerColor(ReaProject* projID, int regionID, int* colorOut) {
  return colorOut && with_entry(projID, regionID, [&](const marker_entry& entry) {
           *colorOut = entry.color;
           return true;
         });
}

bool SetRegionMarkerPosition(ReaProject* projID, int regionID, double setStartPos, double setEndPos) {
  return with_entry(projID, regionID, [&](marker_entry& entry) {
    entry.start = setStartPos;
    entry.end = setEndPos;
    return write_entry(projID, entry);
  });
}

bool SetRegionMarkerColor(ReaProject* projID, int regionID, int setColor) {
  return with_entry(projID, regionID, [&](marker_entry& entry) {
    entry.color = setColor | custom_color;
    return write_entry(projID, entry);
  });
}

bool SetRegionMarkerName(ReaProject* projID, int regionID, const char* setName) {
  return with_entry(projID, regionID, [&](marker_entry& entry) {
    entry.name = setName;
    return write_entry(projID, entry);
  });
}

bool AddRegionMarker(ReaProject* projID, double setStartPos, double setEndPos, const char* setName, int setRegionIndex,
                     int setColor, int* regionIndexOut) {
  const int number =
      host::AddProjectMarker2(projID, true, setStartPos, setEndPos, setName, setRegionIndex, setColor | custom_color);
  kv_utility::write_out(regionIndexOut, number);
  return number >= 0;
}

bool DeleteAllRegion(ReaProject* projID) {
  bool all_deleted = true;
  // From the end, so that the indexes still to visit do not move.
  for (int index = host::CountProjectMarkers(projID, nullptr, nullptr) - 1; index >= 0; --index) {
    auto entry = read_entry(projID, index);
    if (entry && entry->region) all_deleted = host::DeleteProjectMarkerByIndex(projID, index) && all_deleted;
  }
  return all_deleted;
}

}  // namespace KV_COBALT
