#pragma once
// "NeedBig" buffers: the script engine passes a small one, and a function
// with more to say asks the host for a bigger one (realloc_cmd_ptr). The
// host replaces the buffer and afterwards reads back exactly the new size.
#include <string>
#include <string_view>

namespace kvhost::model {

// Capacity assumed for a NeedBig buffer the host did not pass itself (one
// an extension owns), whose size the caller does not tell.
inline constexpr int need_big_size = 4096;

// Capacity of the buffers the script engine passes: small, so that a
// function that forgets to grow its buffer shows in tests.
inline constexpr int script_need_big_size = 256;

// One NeedBig buffer passed for the length of one call; known to
// realloc_cmd_ptr while it lives.
class need_big_buffer {
 public:
  explicit need_big_buffer(std::string_view initial);
  ~need_big_buffer();
  need_big_buffer(const need_big_buffer&) = delete;
  need_big_buffer& operator=(const need_big_buffer&) = delete;

  char* data() { return storage_.data(); }
  int size() const { return static_cast<int>(storage_.size()); }
  // What the caller gets back: every byte after a growth, else up to the NUL.
  std::string result() const;

  // Replaces the buffer with a fresh one of new_size bytes whose contents are
  // not kept: the old one is gone, so a write through a stale pointer shows.
  void replace(int new_size);

 private:
  std::string storage_;
  bool grown_ = false;
};

// The live buffer that starts at data; null for any other address.
need_big_buffer* find_need_big(const char* data);

// The host function: grows a buffer the engine passed, or returns false.
bool grow_need_big(char** ptr, int* ptr_size, int new_size);

// For tests, a host that REAPER is not: realloc_cmd_ptr gives bytes more
// (fewer when negative) than asked. 0, the default, gives the size asked.
void set_need_big_surplus(int bytes);

// A host function's text output into a NeedBig buffer: a passed buffer grows
// to fit, any other is cut at need_big_size.
void write_need_big(char* buffer, std::string_view text);
// A NeedBig input, never read past the buffer.
std::string_view read_need_big(const char* buffer);

}  // namespace kvhost::model
