#include "api/item/sws_envelope.hpp"

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
  sws::BR_EnvGetProperties(object_, &active, &visible, &armed, &in_lane, &lane_height, &default_shape, nullptr, nullptr,
                           nullptr, nullptr, &fader_scaling, &item_options);
  sws::BR_EnvSetProperties(object_, on, on, armed, in_lane, lane_height, default_shape, fader_scaling, &item_options);
}

void envelope_object::set_point(int id, double position, double value) const {
  sws::BR_EnvSetPoint(object_, id, position, value, 0, false, 0.0);
}

bool envelope_object::reset_points() const {
  sws::BR_EnvSortPoints(object_);
  const int count = sws::BR_EnvCountPoints(object_);
  for (int id = count; id >= 1; --id) sws::BR_EnvDeletePoint(object_, id);
  set_point(0, 0.0, 1.0);
  return count > 0;
}

}  // namespace KV_COBALT::hand_automation
