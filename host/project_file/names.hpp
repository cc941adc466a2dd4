#pragma once
// The words of the project-file format the reader and writer share.
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kvhost::project_file {

// This platform as REAPER names it in a project header, and the byte order
// letter of its colours ("R" 0x1BBGGRR on Windows, else "B" 0x1RRGGBB).
#ifdef _WIN32
inline constexpr std::string_view platform_name = "win64";
inline constexpr std::string_view platform_color_letter = "R";
#else
inline constexpr std::string_view platform_name = "linux-x86_64";
inline constexpr std::string_view platform_color_letter = "B";
#endif

// PEAKCOL of a track without a colour of its own.
inline constexpr int no_custom_color = 16576;

// A colour written with that letter, in this platform's byte order.
int native_color(int written, std::string_view letter);

// Lines and chunks ("<" + name) each part of the file models; the others are
// kept as they are.
extern const std::set<std::string> project_keys, track_keys, item_keys, take_keys, envelope_keys;

// A take's lines begin at the first of these in an item's first part.
bool starts_take(std::string_view key, bool chunk, std::size_t word_count);

// "<SOURCE" type of a media file, by its extension; "" for a type the host
// does not read as audio.
std::string source_type(const std::string& file);
bool audio_source_type(std::string_view type);

// Take envelope chunk name <-> the envelope's name; "" when not a take envelope.
std::string take_envelope_chunk(std::string_view name);
std::string take_envelope_name(std::string_view chunk);

std::string upper_case(std::string text);

// A text block's lines ("|" removed) <-> the text.
std::vector<std::string> text_lines(const std::string& value);
std::string text_of_block(const std::vector<std::string>& raw_lines);

}  // namespace kvhost::project_file
