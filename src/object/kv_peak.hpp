#pragma once
// Peak records. A peak list of an hour holds millions of them, so the values
// live column by column in a table that the list and its records share: a
// record is a row of a table, and copies of a record are the same row, so a
// value set through one copy is seen by all.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "object/kv_list.hpp"

namespace kv_object {

// What a binding spends on each peak row beyond the table's own while it
// builds a list for a script (a Lua table, pooled records): the guard then
// refuses a list the binding could not hold, before it is begun.
class binding_row_cost {
 public:
  explicit binding_row_cost(std::size_t bytes);
  ~binding_row_cost();
  binding_row_cost(const binding_row_cost&) = delete;
  binding_row_cost& operator=(const binding_row_cost&) = delete;

 private:
  std::size_t previous_;
};

// The memory the guard counts rows against: the machine's physical memory,
// or a lower limit (bytes; 0 restores the machine's), for tests.
void set_memory_limit(std::size_t bytes);

class peak_table {
 public:
  // In key order.
  enum field : int { Time, MaxPeak, MinPeak, Frequency, Pos, PointVol, field_count };
  // The fields' keys, by field; every field holds a double.
  static constexpr const char* keys[field_count] = {"Time", "MaxPeak", "MinPeak", "Frequency", "Pos", "PointVol"};

  std::size_t size() const { return present_.size(); }
  // A new row with every field absent and 0; its index.
  std::size_t add_row();
  // What a peak list producer does: a row with Time, MaxPeak and MinPeak present.
  void add_peak(double time, double max_peak, double min_peak);
  // Throws std::bad_alloc when the rows, at their own cost and the binding's,
  // would not fit in the machine's memory.
  void reserve_peaks(std::size_t rows);
  // Drops the rows from rows on.
  void truncate(std::size_t rows);

  double get(std::size_t row, field f) const {
    const std::vector<double>& column = columns_[f];
    return row < column.size() ? column[row] : 0.0;
  }
  void set(std::size_t row, field f, double value);
  // Sets the value and makes the field visible.
  void fill(std::size_t row, field f, double value);
  bool present(std::size_t row, field f) const { return present_[row] >> f & 1; }
  // Hands the row's present fields to sink, in key order.
  void each_field(std::size_t row, field_sink& sink) const;

 private:
  std::vector<std::uint8_t> present_;  // one bit per field
  // A column holds values only up to the last row given one in it; the rest read 0.
  std::array<std::vector<double>, field_count> columns_;
};

class kv_Peak final : public kv_List {
 public:
  using field = peak_table::field;
  static constexpr const char* type_name = "kv_Peak";
  // Pooled records of this type, keyed by handle.
  inline static handle_pool<kv_Peak> pool;

  // A record of its own, all fields absent.
  kv_Peak();
  kv_Peak(std::shared_ptr<peak_table> table, std::size_t row);

  void pushvalue(lua_State* L) const override;
  void each_field(field_sink& sink) const override;
  void set_value_from_luatable(lua_State* L, int index) override;
  bool release_inpool() override;
  std::pair<std::string, std::string> get_key_info(int i) const override;
  int get_size() const override;
  pyvar get_value(std::string key) const override;
  void set_value(std::string key, pyvar value) override;

  double value(field f) const { return table_->get(row_, f); }
  bool present(field f) const { return table_->present(row_, f); }
  void fill(field f, double value) { table_->fill(row_, f, value); }

 private:
  std::shared_ptr<peak_table> table_;
  std::size_t row_;
};

// A list of peak records in one table; builders append to it.
class peak_list {
 public:
  class iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = kv_Peak;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = kv_Peak;
    iterator(const peak_list* list, std::size_t row) : list_(list), row_(row) {}
    kv_Peak operator*() const { return (*list_)[row_]; }
    iterator& operator++() {
      ++row_;
      return *this;
    }
    bool operator==(const iterator& other) const { return row_ == other.row_; }

   private:
    const peak_list* list_;
    std::size_t row_;
  };

  peak_list() : table_(std::make_shared<peak_table>()) {}
  // A list is its table: copying it would leave two lists appending to one table.
  peak_list(const peak_list&) = delete;
  peak_list& operator=(const peak_list&) = delete;
  // A list moved from is empty again, with a table of its own.
  peak_list(peak_list&& other) : table_(std::exchange(other.table_, std::make_shared<peak_table>())) {}
  peak_list& operator=(peak_list&& other) {
    table_.swap(other.table_);
    other.table_ = std::make_shared<peak_table>();
    return *this;
  }

  std::size_t size() const { return table_->size(); }
  bool empty() const { return size() == 0; }
  kv_Peak operator[](std::size_t i) const { return kv_Peak(table_, i); }
  iterator begin() const { return {this, 0}; }
  iterator end() const { return {this, size()}; }

  peak_table& table() { return *table_; }
  const peak_table& table() const { return *table_; }

 private:
  std::shared_ptr<peak_table> table_;
};

}  // namespace kv_object
