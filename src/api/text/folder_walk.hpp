#pragma once
// A folder's entries read with the system's own calls (FindFirstFileExW on
// Windows, readdir elsewhere), in the order the system gives them. Links are
// reported as links, never followed.
#include <memory>
#include <string>

namespace KV_COBALT::folder_walk {

enum class entry_kind { folder, link, file, other };

class folder_reader {
 public:
  folder_reader();
  ~folder_reader();
  folder_reader(folder_reader&&) noexcept;
  folder_reader& operator=(folder_reader&&) noexcept;

  // Opens folder (UTF-8); false when it cannot be listed.
  bool open(const std::string& folder);
  // The next entry's name and kind, "." and ".." left out; false at the end
  // or on a read error.
  bool next(std::string& name, entry_kind& kind);
  // Whether the listing stopped on an error rather than at its end.
  bool failed() const;

 private:
  struct stream;
  std::unique_ptr<stream> stream_;
};

}  // namespace KV_COBALT::folder_walk
