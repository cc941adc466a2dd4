#include "writer.hpp"

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "fields.hpp"
#include "model/state.hpp"
#include "names.hpp"
#include "tokens.hpp"

namespace kvhost::project_file {
using namespace kvhost::model;
namespace {

// One modelled line or chunk of an object, in REAPER's order.
struct entry {
  std::string key;
  field_list fields;
  bool exact = false;  // words past the fields are not kept
  bool chunk = false;
  bool object = false;  // a chunk with its own identity, written by `write` alone
  std::string content;  // for other chunks: what they hold, to compare
  std::function<void(const node* original)> write;
  const node* original = nullptr;
  std::string id;               // objects: their identity
  const node* place = nullptr;  // where the entry goes: its line in this section
  bool unchanged = false;
  bool done = false;
};

class writer {
 public:
  writer(const image_list& images, image* recording, bool indented)
      : images_(images), recording_(recording), indented_(indented) {
    const auto* root = recording ? recording : find_image("");
    ending_ = !indented ? "\n" : root ? root->ending : "\r\n";
  }

  std::string take_text() { return std::move(out_); }

  void project_chunk(project& written) {
    const image* origin = find_image("");
    const from_image scope(*this, origin);
    const node* root = origin ? origin->chunks.at("") : nullptr;
    if (root)
      emit_old(root->head, 0);
    else
      emit("<REAPER_PROJECT 0.1 \"7.40/" + std::string(platform_name) + "\" 0", nullptr);
    std::vector<entry> entries;
    line_entry(entries, "CURSOR", {num(written.cursor)});
    line_entry(entries, "LOOP", {num(written.loop)});
    line_entry(entries, "RECORD_PATH", {quoted(written.record_path), kept("\"\"")});
    line_entry(entries, "TEMPO",
               {num(written.tempo.bpm), num(written.tempo.numerator), num(written.tempo.denominator), kept("0", true)});
    line_entry(entries, "SELECTION", {num(written.time_selection.start), num(written.time_selection.end)});
    line_entry(entries, "SELECTION2", {num(written.loop_points.start), num(written.loop_points.end)});
    track& master = written.master();
    line_entry(entries, "MASTERPEAKCOL", {num(master.color ? master.color : no_custom_color)});
    line_entry(entries, "MASTERMUTESOLO", {num((master.mute ? 1 : 0) | (master.solo ? 2 : 0))});
    line_entry(entries, "MASTER_NCH", {num(master.channels), kept("2")});
    line_entry(entries, "MASTER_VOLUME", {num(master.volume), num(master.pan), kept("-1"), kept("-1"), kept("1")});
    line_entry(entries, "MASTER_SEL", {num(master.selected)});
    for (int i = 0; i < written.markers.size(); ++i) {
      const marker& entry = *written.markers.at(i);
      line_entry(entries, "MARKER",
                 {num(entry.number), num(entry.position), text(entry.name), flag_bit(entry.region), num(entry.color),
                  kept("1"), bare(std::string(platform_color_letter))});
      if (entry.region) line_entry(entries, "MARKER", {num(entry.number), num(entry.end), text(""), flag_bit(true)});
    }
    if (!written.notes.empty()) text_chunk(entries, "NOTES", "0 2", written.notes, 1);
    for (int i = 0; i < written.track_count(); ++i) {
      track& member = *written.track_at(i);
      object_entry(entries, "TRACK", "T" + member.guid,
                   [this, &member](const node* original) { track_chunk(member, original, 1); });
    }
    if (!written.ext_state.empty()) {
      auto& added = chunk_entry(entries, "EXTSTATE", ext_state_text(written.ext_state));
      added.write = [this, &written](const node*) { ext_state_chunk(written.ext_state); };
    }
    section(origin, "", root ? children_of(*root) : std::vector<const node*>{}, entries, project_keys, 1);
    close(root, 0);
    if (origin)
      for (const auto& blank : origin->doc.trailing) emit_old(blank, 0);
  }

  void track_chunk(track& member, const node* original, int depth) {
    const std::string id = "T" + member.guid;
    const image* origin = original ? find_image(id) : nullptr;
    const from_image scope(*this, origin);
    // A hand-written "<TRACK" without its GUID stays so.
    head(original, "TRACK", original && original->words.empty() ? field_list{} : field_list{bare(member.guid)}, depth);
    std::vector<entry> entries;
    line_entry(entries, "NAME", {text(member.name)});
    line_entry(entries, "PEAKCOL", {num(member.color ? member.color : no_custom_color)});
    line_entry(entries, "VOLPAN", {num(member.volume), num(member.pan), kept("-1"), kept("-1"), kept("1")});
    line_entry(entries, "MUTESOLO", {num(member.mute), num(member.solo), kept("0")});
    line_entry(entries, "IPHASE", {num(member.phase)});
    const int depth_change = member.folder_depth;
    line_entry(entries, "ISBUS", {num(depth_change > 0 ? 1 : depth_change < 0 ? 2 : 0), num(depth_change)});
    line_entry(entries, "SHOWINMIX",
               {num(member.show_in_mixer), kept("0.6667"), kept("0.5"), num(member.show_in_tcp), kept("0.5"), kept("0"),
                kept("0"), kept("0")});
    line_entry(entries, "SEL", {num(member.selected)});
    line_entry(entries, "REC",
               {num(member.record_arm), num(member.record_input), num(member.record_monitor), num(member.record_mode),
                kept("0"), kept("0"), kept("0")});
    line_entry(entries, "TRACKHEIGHT", {num(member.height_override), kept("0")});
    line_entry(entries, "NCHAN", {num(member.channels)});
    line_entry(entries, "TRACKID", {bare(member.guid)});
    if (!member.ext.empty()) {
      auto& added = chunk_entry(entries, "EXT", map_text(member.ext));
      added.write = [this, &member, depth](const node*) { map_chunk("EXT", member.ext, depth + 1); };
    }
    for (const auto& held : member.items) {
      item& part = *held;
      object_entry(entries, "ITEM", "I" + part.guid,
                   [this, &part, depth](const node* found) { item_chunk(part, found, depth + 1); });
    }
    section(origin, id, original ? children_of(*original) : std::vector<const node*>{}, entries, track_keys, depth + 1);
    close(original, depth);
  }

  void item_chunk(item& member, const node* original, int depth) {
    const std::string id = "I" + member.guid;
    const image* origin = original ? find_image(id) : nullptr;
    const from_image scope(*this, origin);
    head(original, "ITEM", {}, depth);
    std::vector<entry> entries;
    line_entry(entries, "POSITION", {num(member.position)});
    line_entry(entries, "SNAPOFFS", {num(member.snap_offset)});
    line_entry(entries, "LENGTH", {num(member.length)});
    line_entry(entries, "LOOP", {num(member.loop_source)});
    line_entry(entries, "ALLTAKES", {num(member.all_takes_play)});
    for (const auto* side : {&member.fade_in, &member.fade_out})
      line_entry(entries, side == &member.fade_in ? "FADEIN" : "FADEOUT",
                 {num(side->shape), num(side->length), num(side->auto_length), kept(format_number(side->shape)),
                  kept("0"), num(side->direction), kept("0")});
    line_entry(entries, "MUTE", {num(member.mute), kept("0")});
    if (member.lock) line_entry(entries, "LOCK", {num(member.lock)});
    if (member.group_id) line_entry(entries, "GROUP", {num(member.group_id)});
    if (member.color) line_entry(entries, "COLOR", {num(member.color), bare(std::string(platform_color_letter))});
    line_entry(entries, "SEL", {num(member.selected)});
    line_entry(entries, "IGUID", {bare(member.guid)});
    if (!member.notes.empty()) text_chunk(entries, "NOTES", "", member.notes, depth + 1);
    const auto* found = origin ? &origin->sections.at(id) : nullptr;
    section(origin, id, found ? *found : std::vector<const node*>{}, entries, item_keys, depth + 1);
    for (std::size_t i = 0; i < member.takes.size(); ++i) take_section(member, *member.takes[i], i == 0, depth + 1);
    close(original, depth);
  }

  void take_section(item& owner, take& member, bool first, int depth) {
    const std::string id = "K" + member.guid;
    const image* origin = find_image(id);
    const from_image scope(*this, origin);
    const auto* found = origin ? &origin->sections.at(id) : nullptr;
    std::vector<entry> entries;
    if (!first) {
      line_entry(entries, "TAKE", owner.active == &member ? field_list{bare("SEL")} : field_list{});
      entries.back().exact = true;
    }
    line_entry(entries, "NAME", {text(member.name)});
    if (first)
      line_entry(entries, "VOLPAN", {num(owner.volume), num(member.pan), num(member.volume), num(member.pan_law)});
    else
      line_entry(entries, "TAKEVOLPAN", {num(member.pan), num(member.volume), num(member.pan_law)});
    line_entry(entries, "SOFFS", {num(member.start_offset)});
    line_entry(entries, "PLAYRATE",
               {num(member.playrate), num(member.preserve_pitch), num(member.pitch), num(member.pitch_mode), kept("0"),
                kept("0.0025")});
    line_entry(entries, "CHANMODE", {num(member.channel_mode)});
    line_entry(entries, "GUID", {bare(member.guid)});
    // A take without audio keeps the source it was read with (MIDI, ...) until it gets one.
    const std::string type = member.audio ? source_type(member.audio->file) : "";
    const std::string path = member.audio ? written_path(member.audio->file) : "";
    auto& added = chunk_entry(entries, "SOURCE", type + '\x1f' + path);
    added.write = [this, type, path, depth](const node*) {
      if (type.empty()) return;
      const std::string indent = indentation(depth);
      emit(indent + "<SOURCE " + type, nullptr);
      emit(indent + "  FILE " + quote(path, true), nullptr);
      emit(indent + ">", nullptr);
    };
    for (const auto& held : member.envelopes) {
      envelope& curve = *held;
      const std::string chunk_name = take_envelope_chunk(curve.name);
      if (chunk_name.empty()) continue;
      object_entry(entries, chunk_name, "E" + member.guid + "/" + chunk_name,
                   [this, &curve, chunk_name, depth](const node* at) { envelope_chunk(curve, chunk_name, at, depth); });
    }
    section(origin, id, found ? *found : std::vector<const node*>{}, entries, take_keys, depth);
  }

  void envelope_chunk(envelope& curve, const std::string& chunk_name, const node* original, int depth) {
    const std::string id = "E" + curve.owner->guid + "/" + chunk_name;
    const image* origin = original ? find_image(id) : nullptr;
    const from_image scope(*this, origin);
    head(original, chunk_name, {}, depth);
    const auto& p = curve.properties;
    std::vector<entry> entries;
    line_entry(entries, "ACT", {num(p.active), kept("-1")});
    line_entry(entries, "VIS", {num(p.visible), num(p.in_lane), kept("1")});
    line_entry(entries, "LANEHEIGHT", {num(p.lane_height), kept("0")});
    line_entry(entries, "ARM", {num(p.armed)});
    line_entry(entries, "DEFSHAPE", {num(p.default_shape), kept("-1"), kept("-1")});
    if (p.fader_scaling) line_entry(entries, "VOLTYPE", {num(1)});
    for (const auto& point : curve.points)
      line_entry(entries, "PT",
                 {num(point.time), num(point.value), num(point.shape), kept("0", true), num(point.selected, true),
                  kept("0", true), num(point.tension, true)});
    section(origin, id, original ? children_of(*original) : std::vector<const node*>{}, entries, envelope_keys,
            depth + 1);
    close(original, depth);
  }

  // The object's chunk in the newest image holding it; null for a new object.
  const node* chunk_of(const std::string& id) const {
    const image* origin = find_image(id);
    const auto found = origin ? origin->chunks.find(id) : std::map<std::string, const node*>::const_iterator{};
    return origin && found != origin->chunks.end() ? found->second : nullptr;
  }

 private:
  const image* find_image(const std::string& id) const {
    if (recording_) return recording_->chunks.count(id) || recording_->sections.count(id) ? recording_ : nullptr;
    for (auto it = images_.rbegin(); it != images_.rend(); ++it)
      if ((*it)->chunks.count(id) || (*it)->sections.count(id)) return it->get();
    return nullptr;
  }

  // "TAKE NULL" (an empty take slot) is not a take's "TAKE" line.
  static std::string tag_of(const node& line) {
    if (line.chunk) return "<" + line.key;
    return line.key == "TAKE" && line.value(0) == "NULL" ? "TAKE NULL" : line.key;
  }

  static std::vector<const node*> children_of(const node& parent) {
    std::vector<const node*> children;
    for (const auto& child : parent.children) children.push_back(&child);
    return children;
  }

  std::string indentation(int depth) const {
    return indented_ ? std::string(2 * static_cast<std::size_t>(depth), ' ') : "";
  }

  void emit(std::string text, const std::string* ending) {
    if (!indented_)
      text.erase(0, text.find_first_not_of(" \t") == std::string::npos ? text.size() : text.find_first_not_of(" \t"));
    out_ += text;
    out_ += indented_ && ending ? *ending : ending_;
  }

  // A line as read. Lines of a state chunk (unindented) are indented when
  // they go into a file.
  void emit_old(const line& old, int depth, const std::string* text = nullptr) {
    const std::string& written = text ? *text : old.text;
    if (indented_ && source_ && !source_->indented) {
      emit(indentation(depth) + written.substr(std::min(written.size(), written.find_first_not_of(" \t"))), nullptr);
      return;
    }
    emit(written, &old.ending);
  }

  void verbatim(const node& kept_node, int depth) {
    emit_old(kept_node.head, depth);
    if (!kept_node.chunk) return;
    for (const auto& child : kept_node.children) verbatim(child, depth + 1);
    emit_old(kept_node.close, depth);
  }

  // The image that the lines being written come from.
  class from_image {
   public:
    from_image(writer& out, const image* source) : out_(out), before_(out.source_) {
      if (source) out.source_ = source;
    }
    ~from_image() { out_.source_ = before_; }
    from_image(const from_image&) = delete;
    from_image& operator=(const from_image&) = delete;

   private:
    writer& out_;
    const image* before_;
  };

  void head(const node* original, const std::string& key, const field_list& fields, int depth) {
    if (original) {
      const std::string merged = merged_line(*original, key, fields, false);
      emit_old(original->head, depth, &merged);
    } else {
      emit(new_line(indentation(depth), "<" + key, fields), nullptr);
    }
  }

  void close(const node* original, int depth) {
    if (original)
      emit_old(original->close, depth);
    else
      emit(indentation(depth) + ">", nullptr);
  }

  static void line_entry(std::vector<entry>& entries, std::string key, field_list fields) {
    entry& added = entries.emplace_back();
    added.key = std::move(key);
    added.fields = std::move(fields);
  }

  static entry& chunk_entry(std::vector<entry>& entries, std::string key, std::string content) {
    entry& added = entries.emplace_back();
    added.key = std::move(key);
    added.chunk = true;
    added.content = std::move(content);
    return added;
  }

  void object_entry(std::vector<entry>& entries, std::string key, const std::string& id,
                    std::function<void(const node*)> write) {
    entry& added = chunk_entry(entries, std::move(key), {});
    added.object = true;
    added.id = id;
    added.original = chunk_of(id);
    added.write = std::move(write);
  }

  // A text block: one "|line" per line of the text.
  void text_chunk(std::vector<entry>& entries, const std::string& key, const std::string& args,
                  const std::string& value, int depth) {
    auto& added = chunk_entry(entries, key, value);
    added.write = [this, key, args, value, depth](const node*) {
      const std::string indent = indentation(depth);
      emit(indent + "<" + key + (args.empty() ? "" : " " + args), nullptr);
      for (const auto& part : text_lines(value)) emit(indent + "  |" + part, nullptr);
      emit(indent + ">", nullptr);
    };
  }

  void map_chunk(const std::string& key, const text_map& values, int depth) {
    const std::string indent = indentation(depth);
    emit(indent + "<" + key, nullptr);
    for (const auto& [name, value] : values) emit(indent + "  " + quote(name) + " " + quote(value), nullptr);
    emit(indent + ">", nullptr);
  }

  void ext_state_chunk(const std::map<std::string, text_map>& state) {
    emit(indentation(1) + "<EXTSTATE", nullptr);
    for (const auto& [name, values] : state) {
      text_map upper;
      for (const auto& [key, value] : values) upper[upper_case(key)] = value;
      map_chunk(quote(upper_case(name)), upper, 2);
    }
    emit(indentation(1) + ">", nullptr);
  }

  static std::string map_text(const text_map& values) {
    std::string out;
    for (const auto& [name, value] : values) out += name + '\x1e' + value + '\x1f';
    return out;
  }

  static std::string ext_state_text(const std::map<std::string, text_map>& state) {
    std::string out;
    for (const auto& [name, values] : state) out += name + '\x1d' + map_text(values);
    return out;
  }

  std::string written_path(const std::string& file) const {
    if (folder_.empty()) return file;
    const std::string prefix = folder_ + "/";
    return file.rfind(prefix, 0) == 0 ? file.substr(prefix.size()) : file;
  }

 public:
  std::string folder_;  // the project's folder: media inside it are written relative

 private:
  // Writes the entries where their original lines were, drops modelled lines
  // the model no longer has, keeps every other line, and puts new entries
  // before the next entry that follows them in REAPER's order.
  void section(const image* origin, const std::string& id, const std::vector<const node*>& originals,
               std::vector<entry>& entries, const std::set<std::string>& modelled, int depth) {
    // Entries find their lines by kind and count: the n-th NAME is the n-th
    // NAME line; markers by number and kind, as scripts renumber nothing.
    std::map<std::string, const node*> by_tag;
    std::map<std::string, int> seen;
    for (const node* candidate : originals) {
      const std::string tag = match_tag(*candidate);
      by_tag[tag + "#" + std::to_string(seen[tag]++)] = candidate;
    }
    seen.clear();
    std::map<const node*, std::size_t> claimed;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      entry& e = entries[i];
      if (e.object) {
        // An object read again from a state chunk stays where the file had it.
        const auto before = origin ? origin->chunks.find(e.id) : std::map<std::string, const node*>::const_iterator{};
        e.place = origin && before != origin->chunks.end() ? before->second : e.original;
        if (e.place) claimed[e.place] = i;
        continue;
      }
      const std::string tag = match_tag(e);
      const std::string numbered = tag + "#" + std::to_string(seen[tag]++);
      const auto found = by_tag.find(numbered);
      if (found != by_tag.end()) e.original = found->second;
      const std::string baseline_key = id + "\t" + numbered;
      const std::string now = e.chunk ? e.content : summary(e.fields);
      if (recording_ && origin == recording_) recording_->baselines[baseline_key] = now;
      e.unchanged = origin && [&] {
        const auto before = origin->baselines.find(baseline_key);
        return before != origin->baselines.end() && before->second == now;
      }();
      e.place = e.original;
      if (e.place) claimed[e.place] = i;
    }
    const std::set<const node*> here(originals.begin(), originals.end());
    auto is_new = [&](std::size_t i) { return !here.count(entries[i].place); };
    // New entries go after the entry before them in REAPER's order, or,
    // leading the list, before the first entry already in the file.
    std::size_t leading = 0;
    while (leading < entries.size() && is_new(leading)) ++leading;
    bool led = false;
    for (const node* old : originals) {
      const auto found = claimed.find(old);
      if (found == claimed.end()) {
        if (!modelled.count(tag_of(*old))) verbatim(*old, depth);
        continue;
      }
      if (!led)
        for (std::size_t i = 0; i < leading; ++i) put(entries[i], depth);
      led = true;
      put(entries[found->second], depth);
      for (std::size_t i = found->second + 1; i < entries.size() && is_new(i); ++i) put(entries[i], depth);
    }
    for (auto& e : entries) put(e, depth);
  }

  static std::string marker_tag(double number, bool region) {
    return "MARKER " + format_number(number) + (region ? " region" : " marker");
  }

  static std::string match_tag(const node& line) {
    if (line.chunk || line.key != "MARKER") return tag_of(line);
    const auto number = read_number(line.value(0));
    const auto flags = read_number(line.value(3));
    return marker_tag(number ? *number : 0, flags && static_cast<long long>(*flags) & 1);
  }

  static std::string match_tag(const entry& e) {
    if (e.chunk) return "<" + e.key;
    return e.key == "MARKER" ? marker_tag(e.fields[0].number, e.fields[3].number != 0) : e.key;
  }

  void put(entry& e, int depth) {
    if (e.done) return;
    e.done = true;
    if (e.object) return e.write(e.original);
    if (e.unchanged) {
      if (e.original) verbatim(*e.original, depth);
      return;
    }
    if (e.chunk) {
      if (e.write) e.write(e.original);
      return;
    }
    if (e.original) {
      const std::string merged = merged_line(*e.original, e.key, e.fields, e.exact);
      emit_old(e.original->head, depth, &merged);
    } else
      emit(new_line(indentation(depth), e.key, e.fields), nullptr);
  }

  const image_list& images_;
  image* recording_;
  const image* source_ = nullptr;
  bool indented_;
  std::string ending_;
  std::string out_;
};

}  // namespace

namespace {

std::string run(project& written, image* recording, bool indented, const std::function<void(writer&)>& body) {
  writer out(written.file_images, recording, indented);
  if (!written.file.empty()) out.folder_ = std::filesystem::path(written.file).parent_path().string();
  body(out);
  return out.take_text();
}

}  // namespace

std::string write_project(project& written) {
  return run(written, nullptr, true, [&](writer& out) { out.project_chunk(written); });
}

std::string write_track_chunk(track& written) {
  return run(*written.owner, nullptr, false,
             [&](writer& out) { out.track_chunk(written, out.chunk_of("T" + written.guid), 1); });
}

std::string write_item_chunk(item& written) {
  return run(owner_project(written), nullptr, false,
             [&](writer& out) { out.item_chunk(written, out.chunk_of("I" + written.guid), 1); });
}

void record_baselines(project& read, image& fresh) {
  run(read, &fresh, true, [&](writer& out) { out.project_chunk(read); });
}

void record_baselines(item& read, image& fresh) {
  run(owner_project(read), &fresh, false, [&](writer& out) { out.item_chunk(read, out.chunk_of("I" + read.guid), 1); });
}

}  // namespace kvhost::project_file
