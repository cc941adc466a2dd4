#pragma once
// Small helpers the operations share. They hold no state.
#include <filesystem>
#include <string>
#include <utility>

namespace kv_utility {

// The output-buffer rule: at most capacity - 1 bytes and a NUL; nothing when
// the capacity is 0 or less or there is no buffer.
void strcpy(char* destination, int capacity, std::string source);

bool Stricmp(const char* a, const char* b);

// Writes value through out when there is an out; says whether it did.
template <class T>
bool write_out(T* out, T value) {
  if (!out) return false;
  *out = value;
  return true;
}

// Rounds to digits decimals, halves away from zero; digits is held to 0..9.
double round(double value, int digits);

// A handle the host gave as a number ("P_PROJECT"); null for anything that
// cannot be an address.
void* address_from_number(double number);

double to_dB(double gain);
double to_reaper_volume(double dB);

// Whether text is at least one character followed by tail (a regular
// expression, case-insensitive) at its end.
bool match_intail(const std::string& text, const std::string& tail);

std::string multi_to_utf8(const std::string& text);
std::string utf8_to_multi(const std::string& text);

// Names cross into the file system here: UTF-8 outside, the system's own form
// inside (Windows' wide names; the very same bytes on POSIX).
std::filesystem::path path_from_utf8(const std::string& name);
std::string utf8_from_path(const std::filesystem::path& path);

// 0 when the shell started the command (it is waited for), 1 when it did not.
int exec_command(const std::string& command);

// (stem, extension) split at the last dot; no dot, or a line break, gives (name, "").
std::pair<std::string, std::string> split_extension(std::string name);

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The text as one word for the system shell, whatever it contains.
std::string shell_quote(const std::string& text);

}  // namespace kv_utility
