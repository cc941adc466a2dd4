#pragma once
// A fresh folder under the system's temporary directory, removed with its
// contents at the end of the test, and small file helpers.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "utility/utility.hpp"

class temp_folder {
 public:
  temp_folder() {
    static int made = 0;
    path_ =
        std::filesystem::temp_directory_path() / ("kv-test-" + std::to_string(getpid()) + "-" + std::to_string(++made));
    std::filesystem::create_directories(path_);
    text_ = kv_utility::utf8_from_path(path_);
  }
  ~temp_folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  temp_folder(const temp_folder&) = delete;
  temp_folder& operator=(const temp_folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder, and a name in it, as the library takes and gives them: UTF-8
  // with the system's separators.
  const std::string& text() const { return text_; }
  std::string operator/(const std::string& name) const {
    return kv_utility::utf8_from_path((path_ / kv_utility::path_from_utf8(name)).make_preferred());
  }

 private:
  std::filesystem::path path_;
  std::string text_;
};

inline void write_bytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The names in a folder, sorted.
inline std::vector<std::string> names_in(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
