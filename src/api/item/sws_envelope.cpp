#include "api/item/sws_envelope.hpp"

#include <cmath>
#include <utility>

#include "entry/sws_import.hpp"

namespace KV_COBALT::hand_automation {

envelope_object::envelope_object(TrackEnvelope* envelope)
    : object_(envelope ? sws::BR_EnvAlloc(envelope, false) : nullptr) {}

envelope_object::~envelope_object() {
  if (object_) sws::BR_EnvFree(object_, false);
}

void envelope_object::commit() { sws::BR_EnvFree(std::exchange(object_, nullptr), true); }

void envelope_object::show(bool on) const {
  bool active = false, visible = false, armed = false, in_lane = false, fader_scaling = false;
  int lane_height = 0, default_shape = 0, item_options = 0;
  sws::BR_EnvGetProperties(object_, &active, &visible, &armed, &in_lane, &lane_height, &default_shape, nullptr,
                           nullptr, nullptr, nullptr, &fader_scaling, &item_options);
  sws::BR_EnvSetProperties(object_, on, on, armed, in_lane, lane_height, default_shape, fader_scaling,
                           &item_options);
}

void envelope_object::set_point(int id, double position, double value) const {
  sws::BR_EnvSetPoint(object_, id, position, value, 0, false, 0.0);
}

void envelope_object::delete_point(int id) const { sws::BR_EnvDeletePoint(object_, id); }

envelope_object::point envelope_object::get_point(int id) const {
  point p;
  int shape = 0;
  bool selected = false;
  double bezier = 0;
  sws::BR_EnvGetPoint(object_, id, &p.position, &p.value, &shape, &selected, &bezier);
  return p;
}

void envelope_object::reset_points() const {
  sws::BR_EnvSortPoints(object_);
  for (int id = sws::BR_EnvCountPoints(object_); id >= 1; --id) delete_point(id);
  set_point(0, 0.0, 1.0);
}

void envelope_object::remove_duplicate_points() const {
  const int count = sws::BR_EnvCountPoints(object_);
  if (count < 3) return;
  for (int a = count - 1; a >= 2; --a) {
    const point later = get_point(a), earlier = get_point(a - 1);
    if (later.position != earlier.position) continue;
    const double later_off = std::fabs(1 - later.value), earlier_off = std::fabs(1 - earlier.value);
    if (later_off < earlier_off)
      delete_point(a);
    else if (earlier_off < later_off)
      delete_point(a - 1);
  }
}

}  // namespace KV_COBALT::hand_automation
