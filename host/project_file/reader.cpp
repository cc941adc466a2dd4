#include "reader.hpp"

#include <filesystem>
#include <map>

#include "model/state.hpp"
#include "names.hpp"
#include "writer.hpp"

namespace kvhost::project_file {
using namespace kvhost::model;
namespace {

class reader {
 public:
  reader(image& made, const read_options& options) : made_(made), options_(options) {}

  void project_chunk(project& target, const node& root) {
    made_.chunks[""] = &root;
    std::map<int, marker> open_regions;
    for (const node& child : root.children) {
      const std::string& key = child.key;
      if (child.chunk) {
        if (key == "TRACK") track_chunk(target, child);
        if (key == "NOTES") target.notes = block_text(child);
        if (key == "EXTSTATE") ext_state(target, child);
        continue;
      }
      track& master = target.master();
      if (key == "CURSOR") target.cursor = number(child, 0, target.cursor);
      if (key == "LOOP") target.loop = number(child, 0, target.loop) != 0;
      if (key == "RECORD_PATH") target.record_path = child.value(0);
      if (key == "TEMPO") {
        target.tempo.bpm = number(child, 0, target.tempo.bpm);
        target.tempo.numerator = whole(child, 1, target.tempo.numerator);
        target.tempo.denominator = whole(child, 2, target.tempo.denominator);
      }
      if (key == "SELECTION" || key == "SELECTION2") {
        auto& range = key == "SELECTION" ? target.time_selection : target.loop_points;
        range.start = number(child, 0, range.start);
        range.end = number(child, 1, range.end);
      }
      if (key == "MASTERPEAKCOL") master.color = custom_color(whole(child, 0, 0));
      if (key == "MASTERMUTESOLO") {
        const int bits = whole(child, 0, 0);
        master.mute = bits & 1;
        master.solo = bits & 2 ? 1 : 0;
      }
      if (key == "MASTER_NCH") master.channels = whole(child, 0, master.channels);
      if (key == "MASTER_VOLUME") {
        master.volume = number(child, 0, master.volume);
        master.pan = number(child, 1, master.pan);
      }
      if (key == "MASTER_SEL") master.selected = whole(child, 0, 0) != 0;
      if (key == "MARKER") marker_line(target, child, open_regions);
    }
    // A region whose end line is missing ends where it starts.
    for (auto& [number, region] : open_regions) target.markers.add(region, number);
  }

  void item_chunk(item& target, const node& chunk) {
    // Its first part holds the item's lines, then the first take's; each
    // further take starts at a "TAKE" line ("TAKE NULL" is an empty slot, kept).
    std::vector<std::vector<const node*>> parts(1);
    for (const node& child : chunk.children) {
      if (!child.chunk && child.key == "TAKE" && child.value(0) != "NULL") parts.emplace_back();
      parts.back().push_back(&child);
    }
    std::size_t split = 0;
    while (split < parts[0].size() &&
           !starts_take(parts[0][split]->key, parts[0][split]->chunk, parts[0][split]->words.size()))
      ++split;
    std::vector<const node*> own(parts[0].begin(), parts[0].begin() + static_cast<std::ptrdiff_t>(split));
    std::vector<const node*> first_take(parts[0].begin() + static_cast<std::ptrdiff_t>(split), parts[0].end());
    for (const node* line : own) item_line(target, *line);
    take* active = nullptr;
    auto read_take = [&](const std::vector<const node*>& lines, bool first) {
      take& made = target.add_take();
      for (const node* line : lines) take_line(target, made, *line, first);
      if (!first && lines[0]->value(0) == "SEL") active = &made;
      made_.sections["K" + made.guid] = lines;
    };
    if (!first_take.empty()) read_take(first_take, true);
    for (std::size_t i = 1; i < parts.size(); ++i) read_take(parts[i], false);
    target.active = active ? active : target.takes.empty() ? nullptr : target.takes.front().get();
    made_.chunks["I" + target.guid] = &chunk;
    made_.sections["I" + target.guid] = own;
  }

 private:
  [[noreturn]] static void fail(const node& at, const std::string& expected) {
    throw parse_error(at.head.number, expected);
  }

  // The value at that place as a number; the fallback when the line is shorter.
  static double number(const node& at, std::size_t index, double fallback) {
    if (index >= at.words.size()) return fallback;
    const auto value = read_number(at.words[index].value);
    if (!value) fail(at, "a number as value " + std::to_string(index + 1) + " of " + at.key);
    return *value;
  }

  static int whole(const node& at, std::size_t index, int fallback) {
    const double value = number(at, index, fallback);
    if (value < -2147483648.0 || value > 2147483647.0)
      fail(at, "a whole number as value " + std::to_string(index + 1) + " of " + at.key);
    return static_cast<int>(value);
  }

  static int custom_color(int written) { return written & 0x1000000 ? written : 0; }

  static std::string block_text(const node& chunk) {
    std::vector<std::string> lines;
    for (const node& child : chunk.children) lines.push_back(child.head.text);
    return text_of_block(lines);
  }

  static text_map map_lines(const node& chunk) {
    text_map values;
    for (const node& child : chunk.children)
      if (!child.chunk && !child.key.empty()) values[child.key] = child.value(0);
    return values;
  }

  static void ext_state(project& target, const node& chunk) {
    for (const node& child : chunk.children)
      if (child.chunk) target.ext_state[child.key] = map_lines(child);
  }

  static void marker_line(project& target, const node& line, std::map<int, marker>& open_regions) {
    marker entry;
    entry.number = whole(line, 0, 0);
    entry.position = number(line, 1, 0);
    entry.end = entry.position;
    entry.name = line.value(2);
    entry.region = whole(line, 3, 0) & 1;
    entry.color = native_color(whole(line, 4, 0), line.value(6));
    if (line.words.size() < 2) fail(line, "a number and a position after MARKER");
    if (!entry.region) {
      target.markers.add(entry, entry.number);
      return;
    }
    const auto open = open_regions.find(entry.number);
    if (open == open_regions.end()) {
      open_regions[entry.number] = entry;
      return;
    }
    open->second.end = entry.position;
    target.markers.add(open->second, entry.number);
    open_regions.erase(open);
  }

  void track_chunk(project& target, const node& chunk) {
    track& made = state().insert_track(target, target.track_count());
    if (!chunk.words.empty()) made.guid = chunk.value(0);
    for (const node& child : chunk.children) {
      const std::string& key = child.key;
      if (child.chunk) {
        if (key == "EXT") made.ext = map_lines(child);
        if (key == "ITEM") item_chunk(target.add_item(made), child);
        continue;
      }
      if (key == "NAME") made.name = child.value(0);
      if (key == "PEAKCOL") made.color = custom_color(whole(child, 0, 0));
      if (key == "VOLPAN") {
        made.volume = number(child, 0, made.volume);
        made.pan = number(child, 1, made.pan);
      }
      if (key == "MUTESOLO") {
        made.mute = whole(child, 0, 0) != 0;
        made.solo = whole(child, 1, 0);
      }
      if (key == "IPHASE") made.phase = whole(child, 0, 0) != 0;
      if (key == "ISBUS") {
        const int kind = whole(child, 0, 0);
        target.set_folder_depth(made, kind == 0 ? 0 : whole(child, 1, 0));
      }
      if (key == "SHOWINMIX") {
        made.show_in_mixer = whole(child, 0, 1) != 0;
        made.show_in_tcp = whole(child, 3, 1) != 0;
      }
      if (key == "SEL") target.set_selected(made, whole(child, 0, 0) != 0);
      if (key == "REC") {
        made.record_arm = whole(child, 0, 0);
        made.record_input = whole(child, 1, 0);
        made.record_monitor = whole(child, 2, 1);
        made.record_mode = whole(child, 3, 0);
      }
      if (key == "TRACKHEIGHT") made.height_override = whole(child, 0, 0);
      if (key == "NCHAN") made.channels = whole(child, 0, 2);
      if (key == "TRACKID") made.guid = child.value(0);
    }
    made_.chunks["T" + made.guid] = &chunk;
  }

  static void fade_line(fade& side, const node& line) {
    side.shape = whole(line, 0, side.shape);
    side.length = number(line, 1, side.length);
    side.auto_length = number(line, 2, side.auto_length);
    side.direction = number(line, 5, side.direction);
  }

  static void item_line(item& target, const node& line) {
    const std::string& key = line.key;
    if (line.chunk) {
      if (key == "NOTES") target.notes = block_text(line);
      return;
    }
    if (key == "POSITION") target.position = number(line, 0, 0);
    if (key == "SNAPOFFS") target.snap_offset = number(line, 0, 0);
    if (key == "LENGTH") target.length = number(line, 0, 0);
    if (key == "LOOP") target.loop_source = whole(line, 0, 1) != 0;
    if (key == "ALLTAKES") target.all_takes_play = whole(line, 0, 0) != 0;
    if (key == "FADEIN") fade_line(target.fade_in, line);
    if (key == "FADEOUT") fade_line(target.fade_out, line);
    if (key == "MUTE") target.mute = whole(line, 0, 0) != 0;
    if (key == "LOCK") target.lock = whole(line, 0, 0);
    if (key == "GROUP") target.group_id = whole(line, 0, 0);
    if (key == "COLOR") target.color = native_color(whole(line, 0, 0), line.value(1));
    if (key == "SEL") target.selected = whole(line, 0, 0) != 0;
    if (key == "IGUID") target.guid = line.value(0);
    if (key == "VOLPAN") target.volume = number(line, 0, 1);
  }

  void take_line(item& owner, take& target, const node& line, bool first) {
    const std::string& key = line.key;
    if (line.chunk) {
      if (key == "SOURCE") source_chunk(target, line);
      const std::string shown = take_envelope_name(key);
      if (!shown.empty() && !target.find_envelope(shown)) envelope_chunk(target, target.add_envelope(shown), line);
      return;
    }
    if (key == "NAME") target.name = line.value(0);
    if (key == "VOLPAN" && first) {
      owner.volume = number(line, 0, owner.volume);
      target.pan = number(line, 1, target.pan);
      target.volume = number(line, 2, target.volume);
      target.pan_law = number(line, 3, target.pan_law);
    }
    if (key == "TAKEVOLPAN") {
      target.pan = number(line, 0, target.pan);
      target.volume = number(line, 1, target.volume);
      target.pan_law = number(line, 2, target.pan_law);
    }
    if (key == "SOFFS") target.start_offset = number(line, 0, 0);
    if (key == "PLAYRATE") {
      target.playrate = number(line, 0, 1);
      target.preserve_pitch = whole(line, 1, 1) != 0;
      target.pitch = number(line, 2, 0);
      target.pitch_mode = whole(line, 3, -1);
    }
    if (key == "CHANMODE") target.channel_mode = whole(line, 0, 0);
    if (key == "GUID") target.guid = line.value(0);
  }

  // Audio files are read now; a file that is missing or unreadable is an
  // offline source: no samples, rate and channels 0, length 0.
  void source_chunk(take& target, const node& chunk) {
    if (!audio_source_type(chunk.value(0))) return;
    std::string written;
    for (const node& child : chunk.children)
      if (!child.chunk && child.key == "FILE") written = child.value(0);
    std::string path = written;
    for (char& c : path)
      if (c == '\\') c = '/';
    // "C:/..." of a Windows project is absolute as well.
    const bool absolute =
        std::filesystem::path(path).is_absolute() || (path.size() > 2 && path[1] == ':' && path[2] == '/');
    const std::string resolved =
        absolute || options_.folder.empty() ? path : (std::filesystem::path(options_.folder) / path).string();
    sound_cache& sounds = options_.sounds ? *options_.sounds : sounds_;
    std::shared_ptr<const sound> audio;
    std::error_code error;
    if (const auto known = sounds.find(resolved); known != sounds.end())
      audio = known->second;
    else if (!written.empty() && std::filesystem::is_regular_file(resolved, error))
      audio = sounds[resolved] = read_sound_file(resolved);
    if (!audio) {
      if (options_.notices)
        options_.notices->push_back(std::to_string(chunk.head.number) + ": media file " + written +
                                    " not found or unreadable; loaded offline");
      audio = std::make_shared<const sound>();
    }
    target.audio = std::make_unique<source>(std::move(audio), resolved);
    target.audio->owner = &target;
  }

  void envelope_chunk(take& owner, envelope& target, const node& chunk) {
    auto& p = target.properties;
    for (const node& child : chunk.children) {
      const std::string& key = child.key;
      if (child.chunk) continue;
      if (key == "ACT") p.active = whole(child, 0, 1) != 0;
      if (key == "VIS") {
        p.visible = whole(child, 0, 1) != 0;
        p.in_lane = whole(child, 1, 0) != 0;
      }
      if (key == "LANEHEIGHT") p.lane_height = whole(child, 0, 0);
      if (key == "ARM") p.armed = whole(child, 0, 0) != 0;
      if (key == "DEFSHAPE") p.default_shape = whole(child, 0, 0);
      if (key == "VOLTYPE") p.fader_scaling = whole(child, 0, 0) == 1;
      if (key == "PT") {
        envelope_point point;
        point.time = number(child, 0, 0);
        point.value = number(child, 1, 0);
        point.shape = whole(child, 2, 0);
        point.selected = whole(child, 4, 0) != 0;
        point.tension = number(child, 6, 0);
        if (child.words.size() < 2) fail(child, "a time and a value after PT");
        target.points.push_back(point);
      }
    }
    made_.chunks["E" + owner.guid + "/" + chunk.key] = &chunk;
  }

  image& made_;
  const read_options& options_;
  sound_cache sounds_;
};

std::shared_ptr<image> parsed(std::string_view text, const std::string& root_key) {
  auto made = std::make_shared<image>();
  made->doc = parse_chunk_text(text);
  if (made->doc.root.key != root_key) throw parse_error(1, "<" + root_key + " on the first line");
  made->ending = made->doc.root.head.ending.empty() ? "\r\n" : made->doc.root.head.ending;
  return made;
}

}  // namespace

void clear_project(project& target) {
  auto& host = state();
  while (target.track_count() > 0) host.retire_track(*target.track_at(target.track_count() - 1));
  while (target.markers.size() > 0) target.markers.remove(0);
  track& master = target.master();
  master.name.clear();
  master.mute = false;
  master.solo = 0;
  master.volume = 1;
  master.pan = 0;
  master.color = 0;
  master.selected = false;
  master.channels = 2;
  target.record_path.clear();
  target.time_selection = {};
  target.loop_points = {};
  target.loop = false;
  target.tempo = {};
  target.notes.clear();
  target.ext_state.clear();
  target.last_touched = nullptr;
  target.file_images.clear();
}

std::shared_ptr<image> read_project(project& target, std::string_view text, const read_options& options) {
  auto made = parsed(text, "REAPER_PROJECT");
  reader(*made, options).project_chunk(target, made->doc.root);
  target.file_images.push_back(made);
  record_baselines(target, *made);
  return made;
}

std::shared_ptr<image> read_item_chunk(item& target, std::string_view text, const read_options& options) {
  auto made = parsed(text, "ITEM");
  made->indented = false;
  {
    // A trial read first, so that a value that does not parse changes nothing.
    project scratch("chunk");
    image trial;
    item& trial_item = scratch.add_item(scratch.insert_track(0));
    reader(trial, {options.folder, nullptr, options.sounds}).item_chunk(trial_item, made->doc.root);
  }
  while (!target.takes.empty()) target.remove_take(*target.takes.back());
  reader(*made, options).item_chunk(target, made->doc.root);
  owner_project(target).item_moved();
  owner_project(target).file_images.push_back(made);
  record_baselines(target, *made);
  return made;
}

}  // namespace kvhost::project_file
