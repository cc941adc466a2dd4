#pragma once
// Text outputs into NeedBig buffers, which the host passes small.
#include <cstddef>
#include <string_view>

namespace KV_COBALT {

// Copies text into a NeedBig output. When it does not fit and the host can
// grow the buffer (realloc_cmd_ptr), buffer and size are replaced by one of
// exactly the text's length, which the host reads back whole; otherwise the
// text is cut to size - 1 bytes and a NUL, as for any output buffer.
void write_need_big(char*& buffer, int& size, std::string_view text);

// Whether a NeedBig output can take more than it was given.
bool need_big_can_grow();

// Asks the host for a buffer of wanted bytes. On true the old buffer is gone
// and buffer and size name the new one (of the size the host gave); on
// false both are as they were.
bool grow_need_big(char*& buffer, int& size, std::size_t wanted);

}  // namespace KV_COBALT
