#include "need_big.hpp"

#include <algorithm>
#include <vector>

#include "text.hpp"

namespace kvhost::model {
namespace {

// Largest buffer handed out; more is refused as the real host refuses what
// it cannot allocate.
constexpr int largest_need_big = 1 << 30;

int surplus = 0;

std::vector<need_big_buffer*>& live_buffers() {
  static std::vector<need_big_buffer*> live;
  return live;
}

}  // namespace

need_big_buffer::need_big_buffer(std::string_view initial) : storage_(initial) {
  storage_.resize(std::max<std::size_t>(script_need_big_size, storage_.size() + 1), '\0');
  live_buffers().push_back(this);
}

need_big_buffer::~need_big_buffer() { std::erase(live_buffers(), this); }

std::string need_big_buffer::result() const {
  if (grown_) return storage_;
  return std::string(read_text(storage_.data(), size()));
}

void need_big_buffer::replace(int new_size) {
  // Fresh memory with no terminating NUL: a caller that relies on the old
  // contents or on a NUL sees garbage, as it would in the real host.
  std::string fresh(static_cast<std::size_t>(new_size), '\xCD');
  storage_.swap(fresh);
  grown_ = true;
}

need_big_buffer* find_need_big(const char* data) {
  if (!data) return nullptr;
  for (need_big_buffer* buffer : live_buffers())
    if (buffer->data() == data && buffer->size() > 0) return buffer;
  return nullptr;
}

bool grow_need_big(char** ptr, int* ptr_size, int new_size) {
  if (!ptr || !ptr_size || new_size < 0 || new_size > largest_need_big) return false;
  need_big_buffer* buffer = find_need_big(*ptr);
  if (!buffer || *ptr_size != buffer->size()) return false;
  buffer->replace(static_cast<int>(std::clamp<long long>(0LL + new_size + surplus, 0, largest_need_big)));
  *ptr = buffer->data();
  *ptr_size = buffer->size();
  return true;
}

void set_need_big_surplus(int bytes) { surplus = std::clamp(bytes, -largest_need_big, largest_need_big); }

void write_need_big(char* buffer, std::string_view text) {
  need_big_buffer* passed = find_need_big(buffer);
  if (!passed) {
    copy_text(text, buffer, need_big_size);
    return;
  }
  if (text.size() < static_cast<std::size_t>(passed->size()) || text.size() > largest_need_big) {
    copy_text(text, passed->data(), passed->size());
    return;
  }
  // Grown to the text's own length: read back whole, no NUL needed.
  passed->replace(static_cast<int>(text.size()));
  std::copy(text.begin(), text.end(), passed->data());
}

std::string_view read_need_big(const char* buffer) {
  const need_big_buffer* passed = find_need_big(buffer);
  return read_text(buffer, passed ? passed->size() : need_big_size);
}

}  // namespace kvhost::model
