// The SWS extension's envelope object and loudness analysis, as the host
// offers them when SWS is installed. The envelope object edits a copy of a
// take envelope; only BR_EnvFree with commit writes the copy back.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "api/host_api.hpp"
#include "model/loudness.hpp"
#include "model/state.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

// The point with that id, or null when the id is out of range.
envelope_point* point_of(BR_Envelope* envelope, int id) {
  auto* copy = find_envelope_copy(envelope);
  if (!copy || id < 0) return nullptr;
  return copy->points.at(static_cast<std::size_t>(id));
}

template <class T>
void put(T* out, T value) {
  if (out) *out = value;
}

}  // namespace

BR_Envelope* BR_EnvAlloc(TrackEnvelope* envelope, bool takeEnvelopesUseProjectTime) {
  auto* target = find_envelope(envelope);
  if (!target) return nullptr;
  auto& copy = *state().envelope_copies.emplace_back(std::make_unique<envelope_copy>());
  copy.target = target;
  copy.time_offset = takeEnvelopesUseProjectTime ? target->owner->owner->position : 0;
  copy.properties = target->properties;
  std::vector<envelope_point> points = target->points;
  for (auto& point : points) point.time += copy.time_offset;
  copy.points = point_list(std::move(points));
  return handle(&copy);
}

int BR_EnvCountPoints(BR_Envelope* envelope) {
  auto* copy = find_envelope_copy(envelope);
  return copy ? static_cast<int>(copy->points.size()) : 0;
}

bool BR_EnvDeletePoint(BR_Envelope* envelope, int id) {
  if (!point_of(envelope, id)) return false;
  find_envelope_copy(envelope)->points.erase(static_cast<std::size_t>(id));
  return true;
}

bool BR_EnvFree(BR_Envelope* envelope, bool commit) {
  auto* copy = find_envelope_copy(envelope);
  if (!copy) return false;
  auto* target = live<model::envelope>::find(copy->target);
  const bool committed = commit && target;
  if (committed) {
    target->properties = copy->properties;
    target->points = copy->points.release();
    for (auto& point : target->points) point.time -= copy->time_offset;
    target->sort_points();
  }
  release_from(state().envelope_copies, copy);
  return committed;
}

bool BR_EnvGetPoint(BR_Envelope* envelope, int id, double* positionOut, double* valueOut, int* shapeOut,
                    bool* selectedOut, double* bezierOut) {
  const envelope_point* point = point_of(envelope, id);
  if (!point) return false;
  put(positionOut, point->time);
  put(valueOut, point->value);
  put(shapeOut, point->shape);
  put(selectedOut, point->selected);
  put(bezierOut, point->tension);
  return true;
}

bool BR_EnvSetPoint(BR_Envelope* envelope, int id, double position, double value, int shape, bool selected,
                    double bezier) {
  auto* copy = find_envelope_copy(envelope);
  // Whatever the caller gives is kept, as SWS keeps it: a fault in the caller
  // shows in the envelope instead of being smoothed over here.
  if (!copy) return false;
  const envelope_point written{position, value, shape, bezier, selected};
  if (id == -1) {
    copy->points.push_back(written);
    return true;
  }
  envelope_point* point = point_of(envelope, id);
  if (!point) return false;
  *point = written;
  return true;
}

void BR_EnvGetProperties(BR_Envelope* envelope, bool* activeOut, bool* visibleOut, bool* armedOut, bool* inLaneOut,
                         int* laneHeightOut, int* defaultShapeOut, double* minValueOut, double* maxValueOut,
                         double* centerValueOut, int* typeOut, bool* faderScalingOut,
                         int* automationItemsOptionsOutOptional) {
  auto* copy = find_envelope_copy(envelope);
  if (!copy) return;
  const envelope_properties& p = copy->properties;
  auto* target = live<model::envelope>::find(copy->target);
  put(activeOut, p.active);
  put(visibleOut, p.visible);
  put(armedOut, p.armed);
  put(inLaneOut, p.in_lane);
  put(laneHeightOut, p.lane_height);
  put(defaultShapeOut, p.default_shape);
  put(minValueOut, target ? target->minimum : 0.0);
  put(maxValueOut, target ? target->maximum : 0.0);
  put(centerValueOut, target ? target->neutral : 0.0);
  put(typeOut, 0);  // envelope type codes are not simulated
  put(faderScalingOut, p.fader_scaling);
  put(automationItemsOptionsOutOptional, p.automation_items_options);
}

void BR_EnvSetProperties(BR_Envelope* envelope, bool active, bool visible, bool armed, bool inLane, int laneHeight,
                         int defaultShape, bool faderScaling, int* automationItemsOptionsInOptional) {
  auto* copy = find_envelope_copy(envelope);
  if (!copy) return;
  envelope_properties& p = copy->properties;
  p.active = active;
  p.visible = visible;
  p.armed = armed;
  p.in_lane = inLane;
  p.lane_height = laneHeight;
  p.default_shape = defaultShape;
  p.fader_scaling = faderScaling;
  if (automationItemsOptionsInOptional) p.automation_items_options = *automationItemsOptionsInOptional;
}

void BR_EnvSortPoints(BR_Envelope* envelope) {
  auto* copy = find_envelope_copy(envelope);
  if (!copy) return;
  copy->points.sort_by_time();
}

bool NF_AnalyzeTakeLoudness2(MediaItem_Take* take, bool analyzeTruePeak, double* lufsOut, double* rangeOut,
                             double* truePeakOut, double* truePeakPosOut, double* shortTermMaxOut,
                             double* momentaryMaxOut, double* shortTermMaxPosOut, double* momentaryMaxPosOut) {
  auto* member = find_take(take);
  if (!member) return false;
  const auto measured = analyse_loudness(*member, analyzeTruePeak);
  if (!measured) return false;
  put(lufsOut, measured->integrated);
  put(rangeOut, measured->range);
  if (analyzeTruePeak) {
    put(truePeakOut, measured->true_peak);
    put(truePeakPosOut, measured->true_peak_position);
  }
  put(shortTermMaxOut, measured->short_term_max);
  put(momentaryMaxOut, measured->momentary_max);
  put(shortTermMaxPosOut, measured->short_term_max_position);
  put(momentaryMaxPosOut, measured->momentary_max_position);
  return true;
}

}  // namespace kvhost::api
