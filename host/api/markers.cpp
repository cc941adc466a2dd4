// Project markers and regions.
#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

int CountProjectMarkers(ReaProject* proj, int* num_markersOut, int* num_regionsOut) {
  auto* owner = find_project(proj);
  if (!owner) return 0;
  if (num_markersOut) *num_markersOut = owner->markers.count(false);
  if (num_regionsOut) *num_regionsOut = owner->markers.count(true);
  return owner->markers.size();
}

int EnumProjectMarkers3(ReaProject* proj, int idx, bool* isrgnOut, double* posOut, double* rgnendOut,
                        const char** nameOut, int* markrgnindexnumberOut, int* colorOut) {
  auto* owner = find_project(proj);
  const marker* entry = owner ? owner->markers.at(idx) : nullptr;
  if (!entry) return 0;
  if (isrgnOut) *isrgnOut = entry->region;
  if (posOut) *posOut = entry->position;
  if (rgnendOut) *rgnendOut = entry->end;
  if (nameOut) *nameOut = entry->name.c_str();
  if (markrgnindexnumberOut) *markrgnindexnumberOut = entry->number;
  if (colorOut) *colorOut = entry->color;
  return idx + 1;
}

bool SetProjectMarker3(ReaProject* proj, int markrgnindexnumber, bool isrgn, double pos, double rgnend,
                       const char* name, int color) {
  auto* owner = find_project(proj);
  return owner && owner->markers.update(markrgnindexnumber, isrgn, pos, rgnend, text_or_empty(name), color);
}

int AddProjectMarker2(ReaProject* proj, bool isrgn, double pos, double rgnend, const char* name, int wantidx,
                      int color) {
  auto* owner = find_project(proj);
  if (!owner) return -1;
  return owner->markers.add({isrgn, pos, isrgn ? rgnend : pos, std::string(text_or_empty(name)), 0, color}, wantidx);
}

bool DeleteProjectMarkerByIndex(ReaProject* proj, int markrgnidx) {
  auto* owner = find_project(proj);
  return owner && owner->markers.remove(markrgnidx);
}

}  // namespace kvhost::api
