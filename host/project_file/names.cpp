#include "names.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kvhost::project_file {

int native_color(int written, std::string_view letter) {
  if (written == 0 || letter.empty() || letter == platform_color_letter) return written;
  // The other order: swap the red and blue bytes, keep the flag.
  const unsigned value = static_cast<unsigned>(written);
  return static_cast<int>((value & 0xFF00FF00u) | ((value & 0xFFu) << 16) | ((value >> 16) & 0xFFu));
}

const std::set<std::string> project_keys{"CURSOR",     "LOOP",          "RECORD_PATH",    "TEMPO",      "SELECTION",
                                         "SELECTION2", "MASTERPEAKCOL", "MASTERMUTESOLO", "MASTER_NCH", "MASTER_VOLUME",
                                         "MASTER_SEL", "MARKER",        "<NOTES",         "<TRACK",     "<EXTSTATE"};
const std::set<std::string> track_keys{"NAME", "PEAKCOL", "VOLPAN",      "MUTESOLO", "IPHASE",  "ISBUS", "SHOWINMIX",
                                       "SEL",  "REC",     "TRACKHEIGHT", "NCHAN",    "TRACKID", "<EXT",  "<ITEM"};
const std::set<std::string> item_keys{"POSITION", "SNAPOFFS", "LENGTH", "LOOP",  "ALLTAKES", "FADEIN", "FADEOUT",
                                      "MUTE",     "LOCK",     "GROUP",  "COLOR", "SEL",      "IGUID",  "<NOTES"};
const std::set<std::string> take_keys{"TAKE", "NAME",    "VOLPAN",  "TAKEVOLPAN", "SOFFS",    "PLAYRATE", "CHANMODE",
                                      "GUID", "<SOURCE", "<VOLENV", "<PANENV",    "<MUTEENV", "<PITCHENV"};
const std::set<std::string> envelope_keys{"ACT", "VIS", "LANEHEIGHT", "ARM", "DEFSHAPE", "VOLTYPE", "PT"};

bool starts_take(std::string_view key, bool chunk, std::size_t word_count) {
  if (key == "VOLPAN") return word_count > 1;  // a lone "VOLPAN 1" is the item's, before an empty take
  const std::string tag = (chunk ? "<" : "") + std::string(key);
  return tag != "TAKE" && take_keys.count(tag);
}

std::string source_type(const std::string& file) {
  std::string extension = upper_case(std::filesystem::path(file).extension().string());
  if (extension == ".MP3") return "MP3";
  if (extension == ".FLAC") return "FLAC";
  if (extension == ".OGG") return "VORBIS";
  if (extension == ".OPUS") return "OPUS";
  if (extension == ".WV") return "WAVPACK";
  return "WAVE";
}

bool audio_source_type(std::string_view type) {
  return type == "WAVE" || type == "MP3" || type == "FLAC" || type == "VORBIS" || type == "OPUS" || type == "WAVPACK";
}

namespace {
constexpr std::pair<std::string_view, std::string_view> take_envelopes[] = {
    {"VOLENV", "Volume"}, {"PANENV", "Pan"}, {"MUTEENV", "Mute"}, {"PITCHENV", "Pitch"}};
}

std::string take_envelope_chunk(std::string_view name) {
  for (const auto& [chunk, shown] : take_envelopes)
    if (shown == name) return std::string(chunk);
  return {};
}

std::string take_envelope_name(std::string_view chunk) {
  for (const auto& [key, shown] : take_envelopes)
    if (key == chunk) return std::string(shown);
  return {};
}

std::string upper_case(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::vector<std::string> text_lines(const std::string& value) {
  std::vector<std::string> lines{""};
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' || value[i] == '\n') {
      if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += value[i];
    }
  }
  return lines;
}

std::string text_of_block(const std::vector<std::string>& raw_lines) {
  // "|text", or the newer "Xtext" where X before "|" tells the previous line's ending.
  std::string value;
  for (std::size_t i = 0; i < raw_lines.size(); ++i) {
    std::string_view raw = raw_lines[i];
    raw.remove_prefix(std::min(raw.size(), raw.find_first_not_of(" \t")));
    std::string_view separator = "\r\n";
    if (!raw.empty() && raw[0] != '|' && raw.size() > 1 && raw[1] == '|') {
      separator = raw[0] == 'c' ? "" : raw[0] == 'n' ? "\n" : raw[0] == 'r' ? "\r" : raw[0] == 'R' ? "\n\r" : "\r\n";
      raw.remove_prefix(1);
    }
    if (!raw.empty() && raw[0] == '|') raw.remove_prefix(1);
    if (i > 0) value += separator;
    value += raw;
  }
  return value;
}

}  // namespace kvhost::project_file
