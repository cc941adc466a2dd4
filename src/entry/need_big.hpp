#pragma once
// Text outputs into NeedBig buffers, which the host passes small. The host
// reads a buffer it passed up to its first NUL, and one it grew
// (realloc_cmd_ptr) whole, every byte of the size it gave.
#include <cstddef>
#include <string_view>

namespace KV_COBALT {

// Delivers text into a NeedBig output; true when the host gets it whole.
// Text that does not fit as it is goes into a buffer grown to exactly its
// length; where that cannot be had the buffer holds the text's start,
// NUL-terminated, and the answer is false.
bool write_need_big(char*& buffer, int& size, std::string_view text);

// Whether a NeedBig output can take more than it was given.
bool need_big_can_grow();

// Asks the host for a buffer of exactly wanted bytes; true when buffer and
// size name one now. On false they name the buffer the host reads: the one
// passed, or one the host grew to another size, which is cleared here so
// that the host reads no byte the library did not write.
bool grow_need_big(char*& buffer, int& size, std::size_t wanted);

// The start of text that buffer takes, NUL-terminated (never grows it).
void write_need_big_start(char* buffer, int size, std::string_view text);

}  // namespace KV_COBALT
