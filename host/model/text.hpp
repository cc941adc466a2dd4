#pragma once
// Text and number conversions at the C boundary of the host functions.
#include <string>
#include <string_view>

namespace kvhost::model {

// Copies at most size-1 bytes and a terminating NUL; writes nothing when
// buffer is null or size <= 0.
void copy_text(std::string_view text, char* buffer, int size);

// A C string the caller may pass as null, read as empty.
std::string_view text_or_empty(const char* text);

// The text in a caller's buffer, never reading past size bytes.
std::string_view read_text(const char* buffer, int size);

// Saturating conversion, so that any double from a script is a safe int.
int to_int(double value);

}  // namespace kvhost::model
