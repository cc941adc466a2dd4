#include "utility/ecma_pattern.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace kv_utility {
namespace {

constexpr int max_repeat = 65535;  // the matcher's own bound for a counted repeat
constexpr int max_nesting = 250;   // the matcher's own bound for nested groups

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_hex(char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool is_alnum(char c) { return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
int hex_value(char c) { return is_digit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

// Every literal byte in a form that means only itself to the matcher.
std::string literal(unsigned char c) {
  if (is_alnum(static_cast<char>(c))) return std::string(1, static_cast<char>(c));
  static const char digits[] = "0123456789abcdef";
  return std::string("\\x{") + digits[c >> 4] + digits[c & 15] + "}";
}

std::optional<unsigned char> control_escape(char c) {
  switch (c) {
    case 'f':
      return '\f';
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'v':
      return '\v';
    case '0':
      return '\0';
    default:
      return std::nullopt;
  }
}

std::optional<std::string> named_class(std::string_view name) {
  static const char* const posix[] = {"alnum", "alpha", "blank", "cntrl", "digit", "graph",
                                      "lower", "print", "punct", "space", "upper", "xdigit"};
  for (const char* known : posix)
    if (name == known) return "[:" + std::string(name) + ":]";
  if (name == "w") return "\\w";
  if (name == "d") return "\\d";
  if (name == "s") return "\\s";
  return std::nullopt;
}

struct failure {};

class translator {
 public:
  translator(std::string_view pattern, bool checkpoints) : in_(pattern), checkpoint_(checkpoints ? "(?C)" : "") {}

  std::string run() {
    disjunction();
    if (!at_end()) throw failure{};  // a ')' that closes nothing
    return out_;
  }

 private:
  // One item inside brackets: a byte, a class, a dash or the closing bracket.
  struct class_token {
    enum kind { byte, set, dash, end };
    class_token(enum kind k, unsigned char v = 0, std::string t = {}) : kind(k), value(v), text(std::move(t)) {}
    enum kind kind;
    unsigned char value;
    std::string text;
  };

  std::string_view in_;
  std::string checkpoint_;
  std::size_t pos_ = 0;
  std::string out_;
  int groups_opened_ = 0;
  int nesting_ = 0;
  std::vector<int> open_groups_;

  bool at_end() const { return pos_ >= in_.size(); }
  char peek(std::size_t ahead = 0) const { return pos_ + ahead < in_.size() ? in_[pos_ + ahead] : '\0'; }
  char take() {
    if (at_end()) throw failure{};
    return in_[pos_++];
  }
  static bool is_quantifier(char c) { return c == '*' || c == '+' || c == '?' || c == '{'; }

  void disjunction() {
    for (;;) {
      while (!at_end() && peek() != '|' && peek() != ')') term();
      if (at_end() || peek() != '|') return;
      out_ += checkpoint_;
      out_ += take();
    }
  }

  // An assertion takes no quantifier; an atom takes any number of them.
  void term() {
    const char c = peek();
    if (c == '^' || c == '$') {
      ++pos_;
      out_ += c == '^' ? "\\A" : "\\z";
      return;
    }
    if (c == '\\' && (peek(1) == 'b' || peek(1) == 'B')) {
      out_ += in_.substr(pos_, 2);
      pos_ += 2;
      return;
    }
    if (c == '(' && peek(1) == '?' && (peek(2) == '=' || peek(2) == '!')) {
      out_ += in_.substr(pos_, 3);
      pos_ += 3;
      group_body();
      return;
    }
    if (is_quantifier(c)) throw failure{};  // nothing to repeat
    const std::size_t atom_start = out_.size();
    atom();
    for (int repeats = 0; is_quantifier(peek()); ++repeats) {
      if (repeats > max_nesting) throw failure{};  // each repeat of a repeat nests a group
      quantifier(atom_start, repeats == 0);
    }
  }

  // Nesting is bounded, so that no pattern can exhaust the stack here.
  void group_body() {
    if (++nesting_ > max_nesting) throw failure{};
    disjunction();
    --nesting_;
    if (take() != ')') throw failure{};
    out_ += checkpoint_;
    out_ += ')';
  }

  void atom() {
    const char c = take();
    switch (c) {
      case '.':
        out_ += "[^\\n\\r]";
        return;
      case '[':
        bracket();
        return;
      case '(':
        if (peek() == '?') {
          if (peek(1) != ':') throw failure{};
          pos_ += 2;
          out_ += "(?:";
          group_body();
          return;
        }
        open_groups_.push_back(++groups_opened_);
        out_ += '(';
        group_body();
        open_groups_.pop_back();
        return;
      case '\\':
        atom_escape();
        return;
      default:
        out_ += literal(static_cast<unsigned char>(c));
    }
  }

  void atom_escape() {
    const char c = take();
    if (c == 'd' || c == 'D' || c == 's' || c == 'S' || c == 'w' || c == 'W') {
      out_ += '\\';
      out_ += c;
    } else if (is_digit(c) && c != '0') {
      // A back-reference names a group opened earlier and already closed.
      long group = c - '0';
      while (is_digit(peek()) && group <= max_repeat) group = group * 10 + (take() - '0');
      if (group > groups_opened_ || std::find(open_groups_.begin(), open_groups_.end(), group) != open_groups_.end())
        throw failure{};
      out_ += "\\g{" + std::to_string(group) + "}";
    } else {
      out_ += literal(escaped_byte(c));
    }
  }

  // The byte an escape stands for, other than classes and back-references.
  unsigned char escaped_byte(char c) {
    if (auto control = control_escape(c)) return *control;
    if (c == 'x' || c == 'u') {
      unsigned value = 0;
      for (int i = c == 'x' ? 2 : 4; i > 0; --i) {
        const char digit = take();
        if (!is_hex(digit)) throw failure{};
        value = value * 16 + static_cast<unsigned>(hex_value(digit));
      }
      return static_cast<unsigned char>(value);  // a character is one byte
    }
    if (c == 'c') {
      const char letter = take();
      if (!((letter | 0x20) >= 'a' && (letter | 0x20) <= 'z')) throw failure{};
      return static_cast<unsigned char>(letter % 32);  // a control character: \cJ is a line feed
    }
    return static_cast<unsigned char>(c);  // any other escaped character stands for itself
  }

  int repeat_count() {
    if (!is_digit(peek())) throw failure{};
    long count = 0;
    while (is_digit(peek())) {
      count = count * 10 + (take() - '0');
      if (count > max_repeat) throw failure{};
    }
    return static_cast<int>(count);
  }

  void quantifier(std::size_t atom_start, bool first) {
    std::string text(1, take());
    if (text == "{") {
      const int low = repeat_count();
      text += std::to_string(low);
      if (peek() == ',') {
        text += take();
        if (peek() != '}') {
          const int high = repeat_count();
          if (high < low) throw failure{};
          text += std::to_string(high);
        }
      }
      if (take() != '}') throw failure{};
      text += '}';
    }
    if (peek() == '?') text += take();  // lazy
    // A repeated repeat applies to the whole repeated atom; the matcher would
    // read a second quantifier as possessive instead.
    if (!first) {
      out_.insert(atom_start, "(?:");
      out_ += ')';
    }
    out_ += text;
    out_ += checkpoint_;
  }

  class_token class_item() {
    const char c = take();
    if (c == ']') return class_token(class_token::end);
    if (c == '-') return class_token(class_token::dash);
    if (c == '[' && (peek() == ':' || peek() == '.' || peek() == '=')) return bracketed_name(take());
    if (c != '\\') return class_token(class_token::byte, static_cast<unsigned char>(c));
    const char e = take();
    if (e == 'd' || e == 'D' || e == 's' || e == 'S' || e == 'w' || e == 'W')
      return class_token(class_token::set, 0, std::string("\\") + e);
    if (e == 'b') return class_token(class_token::byte, '\b');
    if (e == 'B' || (is_digit(e) && e != '0')) throw failure{};
    return class_token(class_token::byte, escaped_byte(e));
  }

  // [:name:], [.c.] and [=c=] inside brackets.
  class_token bracketed_name(char kind) {
    const std::size_t close = in_.find(std::string{kind, ']'}, pos_);
    if (close == std::string_view::npos) throw failure{};
    const std::string_view name = in_.substr(pos_, close - pos_);
    pos_ = close + 2;
    if (kind == ':') {
      auto set = named_class(name);
      if (!set) throw failure{};
      return class_token(class_token::set, 0, *set);
    }
    if (name.size() != 1) throw failure{};  // only single characters are collating elements here
    const unsigned char c = static_cast<unsigned char>(name[0]);
    if (kind == '.') return class_token(class_token::byte, c);
    // An equivalence class holds the character in either case.
    std::string both = literal(c);
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') both += literal(static_cast<unsigned char>(c ^ 0x20));
    return class_token(class_token::set, 0, both);
  }

  void bracket() {
    const bool negated = peek() == '^';
    if (negated) ++pos_;
    std::string items;
    std::optional<unsigned char> pending;  // a byte that may still start a range
    bool after_set = false;                // a class may not start a range
    auto flush = [&] {
      if (pending) items += literal(*pending);
      pending.reset();
    };
    auto add_range = [&](unsigned char low, unsigned char high) {
      if (low > high) throw failure{};
      items += literal(low) + "-" + literal(high);
      pending.reset();
    };
    bool first = true;
    for (;;) {
      class_token token = class_item();
      if (token.kind == class_token::end) break;
      if (token.kind == class_token::dash && !first) {
        const std::size_t after_dash = pos_;
        class_token next = class_item();
        if (next.kind == class_token::end) {
          flush();
          items += literal('-');
          break;
        }
        if (after_set) throw failure{};
        if (pending) {
          if (next.kind == class_token::byte)
            add_range(*pending, next.value);
          else if (next.kind == class_token::dash)
            add_range(*pending, '-');
          else
            throw failure{};
          first = false;
          continue;
        }
        pos_ = after_dash;  // a dash after a range is itself a character
        token = class_token(class_token::byte, '-');
      }
      if (token.kind == class_token::dash) token = class_token(class_token::byte, '-');
      flush();
      if (token.kind == class_token::set) {
        items += token.text;
        after_set = true;
      } else {
        pending = token.value;
        after_set = false;
      }
      first = false;
    }
    flush();
    out_ += (negated ? "[^" : "[") + items + "]";  // [] and [^] too: the matcher allows an empty class
  }
};

}  // namespace

// \x and \u are decoded here rather than with PCRE2_ALT_BSUX, which reads a
// malformed one as a letter and refuses a \u beyond a byte, where the standard
// library refuses the first and keeps the low byte of the second. Nor is
// PCRE2_MATCH_UNSET_BACKREF set: in the standard library, as by default here,
// a back-reference to a group that did not take part matches nothing.
std::uint32_t ecma_pcre2_options() { return PCRE2_ALLOW_EMPTY_CLASS; }

std::optional<std::string> ecma_to_pcre2(std::string_view pattern, bool checkpoints) {
  try {
    return translator(pattern, checkpoints).run();
  } catch (const failure&) {
    return std::nullopt;
  }
}

}  // namespace kv_utility
