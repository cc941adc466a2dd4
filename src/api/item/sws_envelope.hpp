#pragma once
// A take envelope edited through the SWS extension's envelope object. The
// SWS functions must have been looked up; the object is freed without commit
// if the operation stops before committing.
#include "entry/host_types.hpp"

namespace KV_COBALT::hand_automation {

class envelope_object {
 public:
  // Null when there is no envelope or SWS gives no object.
  explicit envelope_object(TrackEnvelope* envelope);
  envelope_object(const envelope_object&) = delete;
  envelope_object& operator=(const envelope_object&) = delete;
  ~envelope_object();

  BR_Envelope* get() const { return object_; }
  void commit();

  // Active and visible switched together; every other property written back as read.
  void show(bool on) const;

  // Shape 0, not selected; id -1 appends.
  void set_point(int id, double position, double value) const;
  // Sorted, then the points deleted from the last down to id 1 (cheap from
  // the end) and the first set to position 0, unity gain. Whether a point
  // is left: none when the envelope had none.
  bool reset_points() const;

 private:
  BR_Envelope* object_;
};

}  // namespace KV_COBALT::hand_automation
