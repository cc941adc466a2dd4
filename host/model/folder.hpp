#pragma once
// A folder setting whose default is a private temporary directory, made on
// first use and removed with its owner, so tests leave nothing behind.
#include <string>

namespace kvhost::model {

class folder {
 public:
  explicit folder(std::string label);
  ~folder();
  folder(const folder&) = delete;
  folder& operator=(const folder&) = delete;

  // The chosen path, or the default directory (created now if needed).
  const std::string& path();
  // An empty path goes back to the default.
  void choose(std::string path);
  // Whether a path was chosen, rather than the default directory.
  bool chosen() const { return !chosen_.empty(); }

 private:
  std::string label_;
  std::string chosen_;
  std::string made_;
};

}  // namespace kvhost::model
