#pragma once
// A project's markers and regions: one list ordered by position, entries
// at equal positions in the order they arrived. Markers and regions are
// numbered separately. Entries live on the heap so that their names stay put
// while the list changes around them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvhost::model {

struct marker {
  bool region = false;
  double position = 0;
  double end = 0;  // the position, for a marker
  std::string name;
  int number = 0;  // the shown number
  int color = 0;
};

class marker_list {
 public:
  // Returns the number given: wanted when free, else the smallest free one.
  int add(marker entry, int wanted);
  const marker* at(int index) const;  // null when out of range
  // Finds the entry by number and kind; an empty name keeps the old name.
  bool update(int number, bool region, double position, double end, std::string_view name, int color);
  bool remove(int index);
  int size() const { return static_cast<int>(entries_.size()); }
  int count(bool region) const;

 private:
  using entry_list = std::vector<std::unique_ptr<marker>>;
  // The entry of that kind showing that number; end() when there is none.
  entry_list::const_iterator find(int number, bool region) const;
  void place(std::unique_ptr<marker> entry);

  entry_list entries_;
};

}  // namespace kvhost::model
