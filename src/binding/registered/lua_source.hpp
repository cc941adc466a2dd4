#pragma once
// Lua source text that builds the same values the Lua C API would push:
// what the module's Lua file loads to turn a list into tables when the
// host's Lua cannot be reached from C.
#include <string>
#include <string_view>
#include <vector>

#include "object/kv_list.hpp"

namespace lua_source {

// A quoted Lua string of text up to its first NUL byte, as lua_pushstring
// takes it. Bytes that are not printable ASCII are escaped, so the source
// holds no NUL and reads back byte for byte.
void put_text(std::string& out, std::string_view text);
// A float that reads back exactly, infinities and NaN included; an integral
// value keeps its ".0" so that it stays a float, as lua_pushnumber makes it.
void put_number(std::string& out, double value);
void put_integer(std::string& out, long long value);

// Writes "return{...}" lists. Host handles cannot be written as text: each
// becomes H[n], the n-th entry of handles(), which the Lua file fetches
// through the host and gives the source as H.
class list_writer final : private kv_object::field_sink {
 public:
  list_writer();
  void text(std::string_view value);
  void record(const kv_object::kv_List& value);
  // A list of handles alone is H itself: a null one leaves its hole.
  void handles_only(const std::vector<void*>& handles);

  // The source; the writer is spent.
  std::string finish();
  const std::vector<void*>& handles() const { return handles_; }

 private:
  void text(const char* key, const std::string& value) override;
  void number(const char* key, double value) override;
  void integer(const char* key, int value) override;
  void handle(const char* key, void* value) override;

  std::string source_;
  std::vector<void*> handles_;
  bool whole_ = false;
};

}  // namespace lua_source
