#include "utility/utility.hpp"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "utility/ecma_regex.hpp"

namespace kv_utility {

void strcpy(char* destination, int capacity, std::string source) {
  if (!destination || capacity <= 0) return;
  std::size_t length = std::min<std::size_t>(std::strlen(source.c_str()), static_cast<std::size_t>(capacity) - 1);
  std::memcpy(destination, source.data(), length);
  destination[length] = '\0';
}

bool Stricmp(const char* a, const char* b) { return strcasecmp(a ? a : "", b ? b : "") == 0; }

double round(double value, int digits) {
  digits = std::clamp(digits, 0, 9);
  double scale = static_cast<double>(static_cast<int>(std::pow(10.0, digits)));
  return std::round(value * scale) / scale;
}

void* address_from_number(double number) {
  // Converting anything but a plain non-negative number below 2^64 would be undefined.
  if (!(number >= 0 && number < 18446744073709551616.0)) return nullptr;
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(static_cast<std::uint64_t>(number)));
}

double to_dB(double gain) { return 20.0 * std::log10(gain); }

double to_reaper_volume(double dB) { return std::exp(dB * 0.115129254); }

bool match_intail(const std::string& text, const std::string& tail) {
  const auto pattern = ecma_regex::compile(".+" + tail, ecma_regex::ignore_case | ecma_regex::whole_text);
  return pattern && pattern->matches(text);
}

std::string multi_to_utf8(const std::string& text) { return text; }
std::string utf8_to_multi(const std::string& text) { return text; }

// A narrow path is in the system's code page on Windows, not UTF-8.
std::filesystem::path path_from_utf8(const std::string& name) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
#else
  return std::filesystem::path(name);
#endif
}

std::string utf8_from_path(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
#else
  return path.string();
#endif
}

int exec_command(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return 1;
  pclose(pipe);
  return 0;
}

std::pair<std::string, std::string> split_extension(std::string name) {
  auto dot = name.rfind('.');
  if (dot == std::string::npos || name.find_first_of("\r\n") != std::string::npos) return {name, ""};
  return {name.substr(0, dot), name.substr(dot + 1)};
}

std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, fmt, measure);
  va_end(measure);
  std::string result;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(buffer.data(), buffer.size(), fmt, args);
    result.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return result;
}

std::string shell_quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

}  // namespace kv_utility
