#pragma once
// Items, takes, envelopes and the SWS functions as a fake host offers them,
// with a log of every call that changes something, so a test sees the exact
// sequence an operation runs.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "entry/plugin.hpp"
#include "fake_host.hpp"

namespace fake_media {

struct point {
  double position, value;
};

struct envelope {
  std::string name;
  std::vector<point> points;
  bool active = true, visible = true;
};

struct item {
  bool selected = false;
  int takes = 1;
  double position = 0, length = 0, volume = 1;
  std::vector<double> maxima, minima;  // one raw peak value per millisecond
  std::deque<envelope> envelopes;      // of the active take
  bool has_volume_envelope() const {
    return std::any_of(envelopes.begin(), envelopes.end(), [](const envelope& e) { return e.name == "Volume"; });
  }
};

// A BR_Envelope: a copy of a take envelope's points, written back on commit.
struct sws_envelope {
  envelope* target;
  std::vector<point> points;
  bool active, visible;
};

inline std::deque<item> items;
inline std::deque<sws_envelope> sws_objects;
inline std::vector<std::string> calls;
inline ReaProject* const project = reinterpret_cast<ReaProject*>(0x5000);
inline bool volume_envelope_from_toggle = true;
inline int peaks_calls = 0;
inline bool peaks_fail = false;
// What the loudness analysis reports: success, momentary maximum and its position.
inline bool analysis_ok = true;
inline double momentary_max = -14, momentary_max_position = 2.4;

inline item* of(MediaItem* handle) { return reinterpret_cast<item*>(handle); }
inline MediaItem* handle(item& it) { return reinterpret_cast<MediaItem*>(&it); }
inline int index_of(MediaItem* handle) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (&items[i] == of(handle)) return static_cast<int>(i);
  return -1;
}
inline void note(std::string entry) { calls.push_back(std::move(entry)); }

// Takes are the item itself; envelopes and SWS objects are addresses in the deques.
inline MediaItem* GetMediaItem(ReaProject*, int i) {
  return i >= 0 && i < static_cast<int>(items.size()) ? handle(items[i]) : nullptr;
}
inline int CountSelectedMediaItems(ReaProject*) {
  return static_cast<int>(std::count_if(items.begin(), items.end(), [](const item& it) { return it.selected; }));
}
inline MediaItem* GetSelectedMediaItem(ReaProject*, int k) {
  for (item& it : items)
    if (it.selected && k-- == 0) return handle(it);
  return nullptr;
}
// A deleted item reads no project, unless the host reads what was freed.
inline bool gone_items_read_a_project = false;
inline double GetMediaItemInfo_Value(MediaItem* h, const char* key) {
  if (!h) return 0;
  const std::string k = key;
  if (k == "P_PROJECT")
    return index_of(h) >= 0 || gone_items_read_a_project
               ? static_cast<double>(reinterpret_cast<std::uintptr_t>(project))
               : 0;
  if (k == "D_POSITION") return of(h)->position;
  if (k == "D_LENGTH") return of(h)->length;
  if (k == "D_VOL") return of(h)->volume;
  return 0;
}
inline bool SetMediaItemInfo_Value(MediaItem* h, const char* key, double value) {
  if (!h || std::string(key) != "D_VOL") return false;
  of(h)->volume = value;
  note("volume " + std::to_string(index_of(h)));
  return true;
}
inline void SetMediaItemSelected(MediaItem* h, bool on) {
  if (h) of(h)->selected = on;
  note((on ? "select " : "unselect ") + std::to_string(index_of(h)));
}
inline void SelectAllMediaItems(ReaProject*, bool on) {
  for (item& it : items) it.selected = on;
  note(on ? "select all" : "unselect all");
}
inline ReaProject* GetItemProjectContext(MediaItem*) { return project; }
inline bool ValidatePtr2(ReaProject* proj, void* pointer, const char* type) {
  return proj == project && std::string(type) == "MediaItem*" && index_of(static_cast<MediaItem*>(pointer)) >= 0;
}
inline MediaItem_Take* GetActiveTake(MediaItem* h) {
  return h && of(h)->takes > 0 ? reinterpret_cast<MediaItem_Take*>(h) : nullptr;
}
inline int CountTakes(MediaItem* h) { return h ? of(h)->takes : 0; }
inline int GetMediaItemTake_Peaks(MediaItem_Take* take, double rate, double start, int channels, int n, int extra,
                                  double* buf) {
  ++peaks_calls;
  if (peaks_fail) throw std::runtime_error("peaks failed");
  item* it = reinterpret_cast<item*>(take);
  if (!it || rate != 1000.0 || channels != 1 || extra != 115 || n < 1) return 0;
  n = std::min(n, (1 << 20) - 1);
  const long first = std::lround((start - it->position) * 1000);
  int filled = 0;
  for (int i = 0; i < n; ++i) {
    const long at = first + i;
    if (at < 0 || at >= static_cast<long>(it->maxima.size())) continue;
    buf[i] = it->maxima[at];
    buf[n + i] = it->minima[at];
    filled = i + 1;
  }
  return filled;
}
inline envelope* find_envelope(MediaItem_Take* take, const char* name) {
  item* it = reinterpret_cast<item*>(take);
  if (!it) return nullptr;
  for (envelope& e : it->envelopes)
    if (e.name == name) return &e;
  return nullptr;
}
inline TrackEnvelope* GetTakeEnvelopeByName(MediaItem_Take* take, const char* name) {
  return reinterpret_cast<TrackEnvelope*>(find_envelope(take, name));
}
inline int CountTakeEnvelopes(MediaItem_Take* take) {
  return take ? static_cast<int>(reinterpret_cast<item*>(take)->envelopes.size()) : 0;
}
inline TrackEnvelope* GetTakeEnvelope(MediaItem_Take* take, int i) {
  if (i < 0 || i >= CountTakeEnvelopes(take)) return nullptr;
  return reinterpret_cast<TrackEnvelope*>(&reinterpret_cast<item*>(take)->envelopes[i]);
}
inline void Main_OnCommandEx(int command, int, ReaProject*) {
  std::string selected;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].selected) selected += " " + std::to_string(i);
  note("command " + std::to_string(command) + " on" + selected);
  if (command == 40693 && volume_envelope_from_toggle)
    for (item& it : items)
      if (it.selected && it.takes > 0 && !it.has_volume_envelope())
        it.envelopes.push_back({"Volume", {{0.0, 1.0}}, true, true});
}
inline void UpdateArrange() { note("update"); }

inline sws_envelope* sws(BR_Envelope* e) { return reinterpret_cast<sws_envelope*>(e); }
inline BR_Envelope* BR_EnvAlloc(TrackEnvelope* e, bool) {
  auto* target = reinterpret_cast<envelope*>(e);
  if (!target) return nullptr;
  sws_objects.push_back({target, target->points, target->active, target->visible});
  return reinterpret_cast<BR_Envelope*>(&sws_objects.back());
}
inline int BR_EnvCountPoints(BR_Envelope* e) { return static_cast<int>(sws(e)->points.size()); }
inline bool BR_EnvDeletePoint(BR_Envelope* e, int id) {
  auto& points = sws(e)->points;
  if (id < 0 || id >= static_cast<int>(points.size())) return false;
  points.erase(points.begin() + id);
  note("delete " + std::to_string(id));
  return true;
}
inline bool BR_EnvFree(BR_Envelope* e, bool commit) {
  if (commit) {
    sws(e)->target->points = sws(e)->points;
    sws(e)->target->active = sws(e)->active;
    sws(e)->target->visible = sws(e)->visible;
  }
  note(commit ? "free commit" : "free");
  return true;
}
inline bool BR_EnvGetPoint(BR_Envelope* e, int id, double* position, double* value, int*, bool*, double*) {
  auto& points = sws(e)->points;
  if (id < 0 || id >= static_cast<int>(points.size())) return false;
  *position = points[id].position;
  *value = points[id].value;
  return true;
}
inline bool BR_EnvSetPoint(BR_Envelope* e, int id, double position, double value, int, bool, double) {
  auto& points = sws(e)->points;
  if (id == -1) {
    points.push_back({position, value});
    return true;
  }
  if (id < 0 || id >= static_cast<int>(points.size())) return false;
  points[id] = {position, value};
  return true;
}
inline void BR_EnvGetProperties(BR_Envelope* e, bool* active, bool* visible, bool* armed, bool* in_lane, int* lane,
                                int* shape, double*, double*, double*, int*, bool* fader, int* options) {
  *active = sws(e)->active;
  *visible = sws(e)->visible;
  *armed = true;
  *in_lane = true;
  *lane = 77;
  *shape = 2;
  *fader = true;
  *options = 5;
}
inline void BR_EnvSetProperties(BR_Envelope* e, bool active, bool visible, bool armed, bool in_lane, int lane,
                                int shape, bool fader, int* options) {
  sws(e)->active = active;
  sws(e)->visible = visible;
  const bool kept = armed && in_lane && lane == 77 && shape == 2 && fader && options && *options == 5;
  note(std::string("properties ") + (active ? "on" : "off") + (visible ? " shown" : " hidden") +
       (kept ? "" : " CHANGED"));
}
inline void BR_EnvSortPoints(BR_Envelope*) { note("sort"); }
inline bool NF_AnalyzeTakeLoudness2(MediaItem_Take* take, bool true_peak, double*, double*, double*, double*, double*,
                                    double* momentary, double*, double* momentary_position) {
  note(std::string("analyse") + (true_peak ? " true peak" : ""));
  if (!take || !analysis_ok) return false;
  *momentary = momentary_max;
  *momentary_position = momentary_max_position;
  return true;
}

inline const char* const sws_names[] = {
    "BR_EnvAlloc",    "BR_EnvCountPoints",   "BR_EnvDeletePoint",   "BR_EnvFree",       "BR_EnvGetPoint",
    "BR_EnvSetPoint", "BR_EnvGetProperties", "BR_EnvSetProperties", "BR_EnvSortPoints", "NF_AnalyzeTakeLoudness2"};

// Every name asked of GetFunc after load.
inline std::vector<std::string> lookups;
inline void* record_lookup(const char* name) {
  lookups.push_back(name);
  return fake_host::GetFunc(name);
}
inline reaper_plugin_info_t record{0x20E, nullptr, &fake_host::plugin_register, &record_lookup};

inline void remove_sws() {
  for (const char* name : sws_names) fake_host::functions.erase(name);
}

// Loads the library against the fake host with items and SWS present.
inline void install() {
  items.clear();
  sws_objects.clear();
  calls.clear();
  lookups.clear();
  volume_envelope_from_toggle = true;
  analysis_ok = true;
  momentary_max = -14;
  momentary_max_position = 2.4;
  peaks_calls = 0;
  peaks_fail = false;
  gone_items_read_a_project = false;
  fake_host::install();
  // clang-format off
#define KV_FAKE(name) fake_host::functions[#name] = reinterpret_cast<void*>(&name);
  KV_FAKE(GetMediaItem) KV_FAKE(CountSelectedMediaItems) KV_FAKE(GetSelectedMediaItem)
  KV_FAKE(GetMediaItemInfo_Value) KV_FAKE(SetMediaItemInfo_Value) KV_FAKE(SetMediaItemSelected)
  KV_FAKE(SelectAllMediaItems) KV_FAKE(GetItemProjectContext) KV_FAKE(ValidatePtr2) KV_FAKE(GetActiveTake)
  KV_FAKE(CountTakes) KV_FAKE(GetMediaItemTake_Peaks) KV_FAKE(GetTakeEnvelopeByName) KV_FAKE(CountTakeEnvelopes)
  KV_FAKE(GetTakeEnvelope) KV_FAKE(Main_OnCommandEx) KV_FAKE(UpdateArrange) KV_FAKE(BR_EnvAlloc)
  KV_FAKE(BR_EnvCountPoints) KV_FAKE(BR_EnvDeletePoint) KV_FAKE(BR_EnvFree) KV_FAKE(BR_EnvGetPoint)
  KV_FAKE(BR_EnvSetPoint) KV_FAKE(BR_EnvGetProperties) KV_FAKE(BR_EnvSetProperties) KV_FAKE(BR_EnvSortPoints)
  KV_FAKE(NF_AnalyzeTakeLoudness2)
#undef KV_FAKE
  ReaperPluginEntry(nullptr, &record);
  // clang-format on
  lookups.clear();
}

inline item& add_item(bool selected = false) {
  items.emplace_back();
  items.back().selected = selected;
  return items.back();
}

// An item of the given window levels (dB below full scale), every sample of
// window w at level levels[w], plus tail samples at tail_level.
inline item& add_levels(const std::vector<double>& levels, int tail = 0, double tail_level = 10) {
  item& it = add_item();
  for (double level : levels)
    for (int i = 0; i < 10; ++i) {
      it.maxima.push_back(std::pow(10.0, -level / 20));
      it.minima.push_back(-std::pow(10.0, -level / 20));
    }
  for (int i = 0; i < tail; ++i) {
    it.maxima.push_back(std::pow(10.0, -tail_level / 20));
    it.minima.push_back(0);
  }
  it.length = static_cast<double>(it.maxima.size()) / 1000;
  return it;
}

}  // namespace fake_media
