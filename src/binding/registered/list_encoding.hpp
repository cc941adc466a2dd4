#pragma once
// A list as bytes the module's Lua file turns into the same tables the Lua
// C API would build, when the host's Lua cannot be reached from C.
//
// The bytes: a Lua chunk (string.pack "<s4") that, given string.unpack and
// the list's handles H, returns the reader of one row; then the rows. Every
// row of a list has the same fields, as every builder fills them. Host
// handles cannot travel as bytes: a handle is its position in H.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "object/kv_list.hpp"

namespace list_encoding {

class list_encoder final : private kv_object::field_sink {
 public:
  void text(std::string_view value);
  void handle(void* value);
  void record(const kv_object::kv_List& value);

  // The bytes; the encoder is spent.
  std::string finish();
  const std::vector<void*>& handles() const { return handles_; }

 private:
  enum class kind : char { number = 'd', integer = 'i', text = 's', handle = 'H' };
  struct field {
    const char* key;  // null: the row is the value itself
    kind type;
    bool operator==(const field&) const = default;
  };
  using shape = std::vector<field>;

  void text(const char* key, const std::string& value) override;
  void number(const char* key, double value) override;
  void integer(const char* key, int value) override;
  void handle(const char* key, void* value) override;
  void end_row();
  std::string reader() const;

  shape shape_;
  shape row_shape_;
  bool first_row_ = true;
  std::string rows_;
  std::vector<void*> handles_;
};

// The bytes with NUL and 0x01 written as 0x01 0x02 and 0x01 0x01, for a
// buffer the host reads up to its first NUL.
std::string escape(std::string_view bytes);

}  // namespace list_encoding
