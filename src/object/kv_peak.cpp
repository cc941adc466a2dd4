#include "object/kv_peak.hpp"

#include <cstdint>
#include <new>
#include <stdexcept>

#include "binding/lua/lua_api.hpp"
#include "object/record_lua.hpp"
#include "utility/physical_memory.hpp"

namespace kv_object {
namespace {
constexpr auto& keys = peak_table::keys;

int field_of(const std::string& key) {
  for (int f = 0; f < peak_table::field_count; ++f)
    if (key == keys[f]) return f;
  return -1;
}

thread_local std::size_t binding_bytes_per_row = 0;
std::size_t memory_limit = 0;

std::size_t physical_memory() { return memory_limit > 0 ? memory_limit : kv_utility::physical_memory(); }

// The rows of peaks the machine's memory holds. Memory is handed out as it
// is first touched, so a larger list would not fail to allocate: the process
// would be killed while filling it.
std::size_t rows_in_memory() {
  constexpr std::size_t row_bytes = sizeof(std::uint8_t) + 3 * sizeof(double);
  return physical_memory() / (row_bytes + binding_bytes_per_row);
}

void put(std::vector<double>& column, std::size_t row, double value) {
  if (column.size() < row) column.resize(row);
  column.push_back(value);
}
}  // namespace

binding_row_cost::binding_row_cost(std::size_t bytes) : previous_(binding_bytes_per_row) {
  binding_bytes_per_row = bytes;
}

binding_row_cost::~binding_row_cost() { binding_bytes_per_row = previous_; }

void set_memory_limit(std::size_t bytes) { memory_limit = bytes; }

std::size_t peak_table::add_row() {
  present_.push_back(0);
  return present_.size() - 1;
}

void peak_table::add_peak(double time, double max_peak, double min_peak) {
  const std::size_t row = present_.size();
  put(columns_[Time], row, time);
  put(columns_[MaxPeak], row, max_peak);
  put(columns_[MinPeak], row, min_peak);
  present_.push_back(1 << Time | 1 << MaxPeak | 1 << MinPeak);
}

void peak_table::reserve_peaks(std::size_t rows) {
  const std::size_t total = size() + rows;
  if (total > rows_in_memory()) throw std::bad_alloc();
  present_.reserve(total);
  for (field f : {Time, MaxPeak, MinPeak}) columns_[f].reserve(total);
}

void peak_table::truncate(std::size_t rows) {
  if (rows >= size()) return;
  present_.resize(rows);
  for (auto& column : columns_)
    if (column.size() > rows) column.resize(rows);
}

void peak_table::set(std::size_t row, field f, double value) {
  std::vector<double>& column = columns_[f];
  if (row < column.size())
    column[row] = value;
  else if (value != 0.0) {
    column.resize(row);
    column.push_back(value);
  }
}

void peak_table::fill(std::size_t row, field f, double value) {
  set(row, f, value);
  present_[row] |= 1 << f;
}

kv_Peak::kv_Peak() : table_(std::make_shared<peak_table>()), row_(table_->add_row()) {}

kv_Peak::kv_Peak(std::shared_ptr<peak_table> table, std::size_t row) : table_(std::move(table)), row_(row) {}

void kv_Peak::pushvalue(lua_State* L) const { record_lua::push_record(*this, L); }

void kv_Peak::each_field(field_sink& sink) const { table_->each_field(row_, sink); }

void peak_table::each_field(std::size_t row, field_sink& sink) const {
  for (int f = 0; f < field_count; ++f)
    if (present(row, field(f))) sink.number(keys[f], get(row, field(f)));
}

// Every key is read; a value Lua cannot convert to a number reads 0.
void kv_Peak::set_value_from_luatable(lua_State* L, int index) {
  record_lua::walk_string_keys(L, index, [&](std::string_view key) {
    const int f = field_of(std::string(key));
    if (f >= 0) table_->set(row_, field(f), lua_api::lua.lua_tonumberx(L, -1, nullptr));
  });
}

bool kv_Peak::release_inpool() {
  const std::uint64_t key = handle;  // the erase may destroy this record
  return pool.erase(key) != 0;
}

std::pair<std::string, std::string> kv_Peak::get_key_info(int i) const {
  int position = 0;
  for (int f = 0; f < peak_table::field_count; ++f)
    if (present(field(f)) && position++ == i) return {keys[f], "double"};
  throw std::out_of_range("out of range");
}

int kv_Peak::get_size() const {
  int count = 0;
  for (int f = 0; f < peak_table::field_count; ++f) count += present(field(f));
  return count;
}

pyvar kv_Peak::get_value(std::string key) const {
  const int f = field_of(key);
  if (f < 0) return pyvar{};
  return pyvar(std::in_place_type<double>, value(field(f)));
}

void kv_Peak::set_value(std::string key, pyvar value) {
  const int f = field_of(key);
  const double* number = std::get_if<double>(&value);
  if (f >= 0 && number) table_->set(row_, field(f), *number);
}

}  // namespace kv_object
