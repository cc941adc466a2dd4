#pragma once
// A text file's text into a script's NeedBig output, whole or answered false.
#include <cstdio>

namespace KV_COBALT {

// The file's bytes from its start, with a line feed after the last line
// when it has none, into the buffer. True when the host gets the text
// whole; otherwise the buffer holds its start, NUL-terminated. A file
// larger than any buffer the host will give is refused from its size,
// before it is read.
bool deliver_file_text(std::FILE* file, char*& buffer, int& size);

}  // namespace KV_COBALT
