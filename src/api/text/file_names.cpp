#include "api/text/file_names.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#endif

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace KV_COBALT::file_names {

#ifdef _WIN32
namespace {

// Windows maps these names to devices, with any extension and in any case.
bool is_device_name(std::wstring_view name) {
  name = name.substr(0, name.find_first_of(L".:"));
  name = name.substr(0, name.find_last_not_of(L' ') + 1);
  std::wstring upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; });
  constexpr std::array<std::wstring_view, 6> whole = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::find(whole.begin(), whole.end(), upper) != whole.end()) return true;
  // COM0 to COM9 and LPT0 to LPT9, also with a superscript 1, 2 or 3.
  constexpr std::wstring_view numbers = L"0123456789\u00b9\u00b2\u00b3";
  return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) &&
         numbers.find(upper[3]) != std::wstring_view::npos;
}

bool is_separator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring plain(std::wstring name) {
  if (name.starts_with(LR"(\\?\UNC\)")) return L"\\" + name.substr(7);
  if (name.starts_with(LR"(\\?\)") && name.size() >= 6 && name[5] == L':') return name.substr(4);
  return name;
}

std::optional<std::filesystem::path> stored(const std::filesystem::path& path) {
  // GCC 12's path arithmetic takes \\?\C:\x for a relative name.
  const std::wstring name = plain(path.native());
  std::size_t start = 0;
  if (name.size() >= 4 && is_separator(name[0]) && is_separator(name[1]) && is_separator(name[3])) {
    if (name[2] == L'.') return std::nullopt;  // the device namespace
    if (name[2] == L'?') start = 4;
  }
  std::wstring result = name.substr(0, start);
  while (start <= name.size()) {
    std::size_t end = start;
    while (end < name.size() && !is_separator(name[end])) ++end;
    std::wstring part = name.substr(start, end - start);
    if (!part.empty() && part != L"." && part != L"..") {
      // Win32 drops trailing dots and spaces when it makes a name.
      part.erase(part.find_last_not_of(L". ") + 1);
      if (part.empty() || is_device_name(part)) return std::nullopt;
    }
    result += part;
    if (end < name.size()) result += name[end];
    start = end + 1;
  }
  return std::filesystem::path(result);
}
std::filesystem::path reachable(const std::filesystem::path& path) {
  const std::wstring& name = path.native();
  // CreateDirectoryW leaves room for an 8.3 name within MAX_PATH.
  if (name.size() < MAX_PATH - 12 || name.starts_with(LR"(\\?\)")) return path;
  std::wstring full(GetFullPathNameW(name.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD length = GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  if (full.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + full.substr(2);
  return LR"(\\?\)" + full;
}
#else
std::optional<std::filesystem::path> stored(const std::filesystem::path& path) { return path; }

std::filesystem::path reachable(const std::filesystem::path& path) { return path; }
#endif

}  // namespace KV_COBALT::file_names
