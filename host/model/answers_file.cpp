// The answers file of a run: one line per dialog, in the order they open.
#include <cstdint>
#include <fstream>
#include <optional>

#include "model/runner.hpp"

namespace kvhost::model {
namespace {

void append_utf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A JSON string array, the form for values holding commas or line breaks.
class json_strings {
 public:
  explicit json_strings(std::string_view text) : text_(text) {}

  std::optional<std::vector<std::string>> read() {
    std::vector<std::string> values;
    skip_space();
    if (!take('[')) return std::nullopt;
    skip_space();
    if (!take(']')) {
      do {
        skip_space();
        auto value = string();
        if (!value) return std::nullopt;
        values.push_back(std::move(*value));
        skip_space();
      } while (take(','));
      if (!take(']')) return std::nullopt;
    }
    skip_space();
    if (at_ < text_.size()) return std::nullopt;
    return values;
  }

 private:
  bool take(char wanted) {
    if (at_ >= text_.size() || text_[at_] != wanted) return false;
    ++at_;
    return true;
  }

  void skip_space() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }

  std::optional<std::uint32_t> hex4() {
    if (text_.size() - at_ < 4) return std::nullopt;
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      code = code * 16 + static_cast<std::uint32_t>(digit);
    }
    return code;
  }

  std::optional<std::uint32_t> escaped_code() {
    auto code = hex4();
    if (!code || *code < 0xD800 || *code > 0xDFFF) return code;
    // A surrogate pair: a high half, then "\u" and the low half.
    if (*code > 0xDBFF || !take('\\') || !take('u')) return std::nullopt;
    auto low = hex4();
    if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
    return 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
  }

  std::optional<std::string> string() {
    if (!take('"')) return std::nullopt;
    std::string value;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return value;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        value += c;
        continue;
      }
      if (at_ >= text_.size()) return std::nullopt;
      const char e = text_[at_++];
      static constexpr std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      if (const auto k = simple.find(e); k != std::string_view::npos) {
        value += meant[k];
      } else if (e == 'u') {
        auto code = escaped_code();
        if (!code) return std::nullopt;
        append_utf8(value, *code);
      } else {
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

std::optional<int> return_code(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int code = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
  }
  return code;
}

// A line read, or a message saying what was expected.
std::optional<answer_line> read_line(std::string_view text, int number, std::string& expected) {
  answer_line line;
  line.number = number;
  if (const auto code = return_code(text)) {
    line.code = *code;
    return line;
  }
  if (!text.starts_with("1,")) {
    expected = "a return code such as 6, 0 to cancel an input dialog, or 1, and its values";
    return std::nullopt;
  }
  line.inputs = true;
  line.code = 1;
  const std::string_view values = text.substr(2);
  if (values.starts_with('[')) {
    auto read = json_strings(values).read();
    if (!read) {
      expected = "a JSON array of strings after 1,";
      return std::nullopt;
    }
    line.values = std::move(*read);
    return line;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t end = values.find(',', start);
    line.values.emplace_back(values.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return line;
    start = end + 1;
  }
}

}  // namespace

bool load_answers(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "kvhost: cannot read the answers file " + path;
    return false;
  }
  auto& run = runner();
  run.answers_file = path;
  run.answers.clear();
  int number = 0;
  for (std::string text; std::getline(file, text);) {
    ++number;
    if (text.ends_with('\r')) text.pop_back();
    std::string expected;
    auto line = read_line(text, number, expected);
    if (!line) {
      error = "kvhost: " + path + ":" + std::to_string(number) + ": expected " + expected + ", got \"" + text + "\"";
      return false;
    }
    run.answers.push_back(std::move(*line));
  }
  return true;
}

}  // namespace kvhost::model
