#pragma once
// Media items on tracks, their takes, the takes' audio sources and take
// envelopes. Every object registers itself as live for handle checks.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "envelope_point.hpp"
#include "identity.hpp"
#include "live.hpp"
#include "point_list.hpp"
#include "sound.hpp"

namespace kvhost::model {

struct track;
struct item;
struct take;

struct source {
  explicit source(std::shared_ptr<const sound> audio_data, std::string file_name = {})
      : file(std::move(file_name)), audio(std::move(audio_data)) {}

  live<source> alive{this};
  std::string file;                    // empty for samples built in memory
  std::shared_ptr<const sound> audio;  // never null
  take* owner = nullptr;               // null while the caller owns it
};

struct envelope_properties {
  bool active = true;
  bool visible = true;
  bool armed = false;
  bool in_lane = false;
  int lane_height = 0;
  int default_shape = 0;
  bool fader_scaling = false;
  int automation_items_options = -1;
};

struct envelope {
  envelope(take& owner_take, std::string envelope_name);

  live<envelope> alive{this};
  take* owner;
  std::string name;
  std::vector<envelope_point> points;  // kept in time order
  envelope_properties properties;
  double minimum = 0, maximum = 1, neutral = 0;  // the value with no points

  // Linear between points (square holds), the first / last value outside them.
  double value_at(double time) const;
  // The same for rising times: hint carries the search position between calls.
  double value_at(double time, std::size_t& hint) const;
  void sort_points();
};

struct take {
  explicit take(item& owner_item) : owner(&owner_item) {}

  live<take> alive{this};
  item* owner;
  std::string name;
  double start_offset = 0;  // seconds into the source
  double volume = 1;
  double playrate = 1;
  double pan = 0;
  double pan_law = -1;  // -1: the project's default
  double pitch = 0;     // semitones
  bool preserve_pitch = true;
  int pitch_mode = -1;
  int channel_mode = 0;  // "I_CHANMODE"
  std::string guid = new_guid();
  text_map ext;
  std::unique_ptr<source> audio;  // null: a take without audio
  std::vector<std::unique_ptr<envelope>> envelopes;

  envelope* find_envelope(std::string_view envelope_name);
  envelope& add_envelope(std::string envelope_name);
  // The "Volume" envelope when it is active, else null.
  const envelope* active_volume() const;
};

struct fade {
  int shape = 0;  // 0..6, 0 linear
  double length = 0;
  double auto_length = -1;  // <= 0: no automatic fade
  double direction = 0;     // curvature, -1..1
};

struct item {
  explicit item(track& owner_track) : owner(&owner_track) {}

  live<item> alive{this};
  track* owner;
  double position = 0;
  double length = 0;
  double volume = 1;
  bool selected = false;
  bool mute = false;
  double snap_offset = 0;
  fade fade_in, fade_out;
  int group_id = 0;  // 0: in no group
  int lock = 0;      // &1: locked
  bool loop_source = true;
  bool all_takes_play = false;
  int color = 0;  // as a track's
  std::string guid = new_guid();
  std::string notes;  // "P_NOTES"
  text_map ext;
  std::vector<std::unique_ptr<take>> takes;
  take* active = nullptr;
  // Its place in the project's item order; set by the project's ordering pass.
  std::size_t order = 0;

  take& add_take();  // becomes the active take
  void remove_take(take& removed);
  int index_of(const take& member) const;  // -1 when not a take of this item
};

}  // namespace kvhost::model

namespace kvhost::model {

// An SWS envelope object: a copy of a take envelope's points and properties,
// written back only when it is freed with commit. Point ids are positions in
// this copy's own list.
struct envelope_copy {
  live<envelope_copy> alive{this};
  envelope* target = nullptr;
  double time_offset = 0;  // added to point times: the item position, or 0
  point_list points;
  envelope_properties properties;
};

// Reads a take's source samples on request.
struct audio_accessor {
  live<audio_accessor> alive{this};
  take* target = nullptr;
};

}  // namespace kvhost::model
