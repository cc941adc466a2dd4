#include "property_text.hpp"

#include <algorithm>
#include <cctype>

#include "need_big.hpp"

namespace kvhost::model {
namespace {

constexpr std::string_view ext_prefix = "P_EXT:";

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool set_guid(std::string& guid, std::string_view text) {
  if (!is_guid(text)) return false;
  guid = upper(text);
  return true;
}

bool get_set_ext(std::string_view name, char* buffer, bool set, text_map& ext) {
  if (name.empty()) return false;
  const auto found = ext.find(std::string(name));
  if (!set) {
    if (found == ext.end()) return false;
    write_need_big(buffer, found->second);
    return true;
  }
  const std::string_view value = read_need_big(buffer);
  if (value.find_first_of("\r\n") != std::string_view::npos) return false;
  if (value.empty()) {
    if (found != ext.end()) ext.erase(found);
  } else {
    ext[std::string(name)] = std::string(value);
  }
  return true;
}

}  // namespace

bool is_guid(std::string_view text) {
  constexpr std::string_view form = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  return text.size() == form.size() && std::equal(form.begin(), form.end(), text.begin(), [](char want, char c) {
           return want == 'X' ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : want == c;
         });
}

std::optional<bool> get_set_shared_text(std::string_view key, char* buffer, bool set, std::string& guid,
                                        text_map& ext) {
  if (key == "GUID") {
    if (!buffer) return false;
    if (set) return set_guid(guid, read_need_big(buffer));
    write_need_big(buffer, guid);
    return true;
  }
  if (key.substr(0, ext_prefix.size()) == ext_prefix)
    return buffer && get_set_ext(key.substr(ext_prefix.size()), buffer, set, ext);
  return std::nullopt;
}

}  // namespace kvhost::model
