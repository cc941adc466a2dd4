#include "item_copy.hpp"

namespace kvhost::model {
namespace {

void copy_take(const take& from, take& to) {
  to.name = from.name;
  to.start_offset = from.start_offset;
  to.volume = from.volume;
  to.playrate = from.playrate;
  to.pan = from.pan;
  to.pan_law = from.pan_law;
  to.pitch = from.pitch;
  to.preserve_pitch = from.preserve_pitch;
  to.pitch_mode = from.pitch_mode;
  to.channel_mode = from.channel_mode;
  to.ext = from.ext;
  if (from.audio) {
    to.audio = std::make_unique<source>(from.audio->audio, from.audio->file);
    to.audio->owner = &to;
  }
  for (const auto& shape : from.envelopes) {
    envelope& made = to.add_envelope(shape->name);
    made.points = shape->points;
    made.properties = shape->properties;
    made.minimum = shape->minimum;
    made.maximum = shape->maximum;
    made.neutral = shape->neutral;
  }
}

}  // namespace

item& copy_item(const item& from, track& onto) {
  item& to = onto.owner->add_item(onto);
  to.position = from.position;
  to.length = from.length;
  to.volume = from.volume;
  to.mute = from.mute;
  to.snap_offset = from.snap_offset;
  to.fade_in = from.fade_in;
  to.fade_out = from.fade_out;
  to.group_id = from.group_id;
  to.lock = from.lock;
  to.loop_source = from.loop_source;
  to.all_takes_play = from.all_takes_play;
  to.color = from.color;
  to.notes = from.notes;
  to.ext = from.ext;
  for (const auto& member : from.takes) {
    take& made = to.add_take();
    copy_take(*member, made);
  }
  to.active = from.active ? to.takes[static_cast<std::size_t>(from.index_of(*from.active))].get() : nullptr;
  return to;
}

// The cut has no fades: the left part keeps the fade-in, the right the fade-out.
item* split_item(item& member, double at) {
  const double cut = at - member.position;
  if (!(cut > 0 && cut < member.length)) return nullptr;
  project& owner = *member.owner->owner;
  item& right = copy_item(member, *member.owner);
  right.position = at;
  right.length = member.length - cut;
  right.snap_offset = 0;
  right.fade_in = {};
  for (auto& part : right.takes) {
    part->start_offset += cut * part->playrate;
    for (auto& shape : part->envelopes)
      for (auto& point : shape->points) point.time -= cut;
  }
  member.length = cut;
  member.fade_out = {};
  owner.item_moved();
  owner.set_item_selected(right, member.selected);
  return &right;
}

}  // namespace kvhost::model
