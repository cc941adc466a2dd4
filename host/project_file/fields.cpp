#include "fields.hpp"

#include <cstdio>

#include "tokens.hpp"

namespace kvhost::project_file {
namespace {

std::string exact_number(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

std::string written(const field& value) {
  switch (value.type) {
    case field::kind::number:
    case field::kind::flags:
      return format_number(value.number);
    case field::kind::text:
      return quote(value.text);
    case field::kind::quoted:
      return quote(value.text, true);
    case field::kind::word:
    case field::kind::kept:
      return value.text;
  }
  return {};
}

// The old word, or the field rewritten when its value differs.
std::string merged_word(const field& value, const word& old) {
  switch (value.type) {
    case field::kind::kept:
      return old.raw;
    case field::kind::number: {
      const auto read = read_number(old.value);
      return read && *read == value.number ? old.raw : written(value);
    }
    case field::kind::flags: {
      const auto read = read_number(old.value);
      if (!read) return written(value);
      const long long bits = static_cast<long long>(*read);
      const long long wanted = (bits & ~1LL) | static_cast<long long>(value.number);
      return wanted == bits ? old.raw : std::to_string(wanted);
    }
    default:
      return old.value == value.text ? old.raw : written(value);
  }
}

bool left_out(const field& value) { return value.optional && (value.type == field::kind::kept || value.number == 0); }

// How many fields a line writes: trailing optional ones at 0 are dropped, and
// on an old line also values it never had that nothing models.
std::size_t written_count(const field_list& fields, std::size_t at_least, bool old) {
  std::size_t count = fields.size();
  while (count > at_least && (left_out(fields[count - 1]) || (old && fields[count - 1].type == field::kind::kept)))
    --count;
  return count;
}

}  // namespace

field num(double value, bool optional) { return {field::kind::number, value, {}, optional}; }
field text(std::string value) { return {field::kind::text, 0, std::move(value), false}; }
field quoted(std::string value) { return {field::kind::quoted, 0, std::move(value), false}; }
field bare(std::string value) { return {field::kind::word, 0, std::move(value), false}; }
field kept(std::string default_text, bool optional) {
  return {field::kind::kept, 0, std::move(default_text), optional};
}
field flag_bit(bool set) { return {field::kind::flags, set ? 1.0 : 0.0, {}, false}; }

std::string summary(const field_list& fields) {
  std::string out;
  for (const auto& value : fields) {
    if (value.type == field::kind::kept) continue;
    const bool numeric = value.type == field::kind::number || value.type == field::kind::flags;
    out += numeric ? exact_number(value.number) : value.text;
    out += '\x1f';
  }
  return out;
}

std::string new_line(const std::string& indent, const std::string& key, const field_list& fields) {
  std::string out = indent + key;
  for (std::size_t i = 0, n = written_count(fields, 0, false); i < n; ++i) out += ' ' + written(fields[i]);
  return out;
}

std::string merged_line(const node& old, const std::string& key, const field_list& fields, bool exact) {
  const auto& words = old.words;
  std::string out = old.head.text.substr(0, old.head.text.find_first_not_of(" \t"));
  out += old.chunk ? "<" + key : key;
  bool same = !exact || words.size() <= fields.size();
  const std::size_t n = std::max(written_count(fields, words.size(), true), exact ? 0 : words.size());
  if (n != words.size()) same = false;
  for (std::size_t i = 0; i < n; ++i) {
    std::string part = i >= fields.size() ? words[i].raw
                       : i < words.size() ? merged_word(fields[i], words[i])
                                          : written(fields[i]);
    if (i >= words.size() || part != words[i].raw) same = false;
    out += ' ' + part;
  }
  return same ? old.head.text : out;
}

}  // namespace kvhost::project_file
