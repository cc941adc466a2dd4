// The object pool behind the Python exports: releases in every order, reused
// addresses, and a million objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "binding/python/object_pool.hpp"
#include "binding/python/python_exports.hpp"
#include "object/record_types.hpp"

namespace {

std::size_t pooled_objects() {
  return python_utility::pyvar_array_list.size() + python_utility::pyvar_map_list.size() +
         kv_object::kv_List::kvList_pool.size() + kv_object::TrackDetail::pool.size() +
         kv_object::kv_Midi::pool.size() + kv_object::kv_Peak::pool.size();
}

TEST(object_pool, a_list_released_after_its_records_spares_a_new_record_at_a_reused_address) {
  const std::size_t before = pooled_objects();
  int reused = 0;
  for (int round = 0; round < 50; ++round) {
    const std::uint64_t list = py_create_kvList_array();
    const std::uint64_t note = py_create_kvObj_inarray(list, "kv_Midi");
    ASSERT_TRUE(py_release_obj(note));
    const std::uint64_t other_list = py_create_kvList_array();
    const std::uint64_t newcomer = py_create_kvObj_inarray(other_list, "kv_Midi");
    reused += newcomer == note;
    py_set_int_inkvObj(newcomer, "Pitch", 60);
    EXPECT_EQ(py_get_ptr_inarray(list, 0), nullptr) << "the list knows its record is gone";
    ASSERT_TRUE(py_release_obj(list));
    EXPECT_EQ(py_get_int_inkvobj(newcomer, "Pitch"), 60) << "the other list's record lives on";
    ASSERT_TRUE(py_release_obj(other_list));
    EXPECT_EQ(py_get_int_inkvobj(newcomer, "Pitch"), 0);
  }
  EXPECT_EQ(pooled_objects(), before);
  RecordProperty("address_reused_rounds", reused);
}

TEST(object_pool, failures_stay_inside_and_null_pointers_are_not_written) {
  const std::uint64_t list = py_create_kvList_array();
  EXPECT_EQ(py_create_kvObj_inarray(12345, "kv_Midi"), 0u) << "no record list: nothing created";
  EXPECT_EQ(py_create_kvObj_inarray(list, nullptr), 0u);
  EXPECT_EQ(py_get_obj_size(list), 0);
  const std::uint64_t row = py_create_kvObj_inarray(list, "TrackDetail");
  char key[1024] = "x", type[1024] = "y";
  py_get_key_inkvObj(row, 0, key, type);
  EXPECT_STREQ(key, "");
  EXPECT_STREQ(type, "");
  py_get_key_inkvObj(row, -1, nullptr, nullptr);
  py_set_string_inkvObj(row, nullptr, nullptr);
  py_set_string_inkvObj(row, "Name", nullptr);
  py_get_string_inkvobj(row, "Name", nullptr);
  EXPECT_TRUE(py_GetStringSplitList(nullptr, nullptr, nullptr));
  int count = 7;
  EXPECT_FALSE(py_GetTrackItemChildList(nullptr, nullptr, &count)) << "no host running";
  EXPECT_EQ(count, 7);
  EXPECT_TRUE(py_release_obj(list));
}

TEST(object_pool, a_million_objects_created_and_released_in_mixed_orders) {
  const std::size_t before = pooled_objects();
  std::mt19937 random(7);
  std::vector<std::uint64_t> loose, lists, records;
  for (int i = 0; i < 125000; ++i) {
    const std::uint64_t array = py_create_array();
    py_set_array_string(array, "text");
    if (!loose.empty() && i % 3 == 0) py_set_array_ptr(array, reinterpret_cast<void*>(loose.back()));
    loose.push_back(array);
    const std::uint64_t map = py_create_map();
    py_set_map_double(map, "k", 1.0);
    loose.push_back(map);
    const std::uint64_t list = py_create_kvList_array();
    lists.push_back(list);
    for (const char* type : {"TrackDetail", "kv_Midi", "kv_Peak", "kv_Midi", "TrackDetail"})
      records.push_back(py_create_kvObj_inarray(list, type));
  }
  EXPECT_EQ(pooled_objects() - before, 1000000u);
  std::shuffle(records.begin(), records.end(), random);
  std::shuffle(lists.begin(), lists.end(), random);
  // Half the records on their own first, then every list, then the rest again (already gone).
  for (std::size_t i = 0; i < records.size() / 2; ++i) ASSERT_TRUE(py_release_obj(records[i]));
  for (std::uint64_t list : lists) ASSERT_TRUE(py_release_obj(list));
  for (std::uint64_t record : records) ASSERT_FALSE(py_release_obj(record));
  std::shuffle(loose.begin(), loose.end(), random);
  for (std::size_t i = 0; i < loose.size(); ++i) {
    // An array may take the array it names along; then it is gone already.
    if (i % 2 != 0 || !py_release_obj2(loose[i])) py_release_obj(loose[i]);
  }
  EXPECT_EQ(pooled_objects(), before);
}

// Reads of a pooled map by position, checked against a plain ordered map
// walked from its start: in order, backwards, in jumps, and between new keys
// and new values.
TEST(object_pool, map_reads_by_position_follow_key_order_whatever_the_order_of_reads_and_writes) {
  const std::uint64_t map = py_create_map();
  std::map<std::string, int> expected;
  std::mt19937 random(11);
  auto set = [&](const std::string& key, int value) {
    py_set_map_int(map, key.c_str(), value);
    expected.insert_or_assign(key, value);
  };
  auto check = [&](int position) {
    char key[1024] = "unset";
    const int value = py_get_int_inmap(map, position, key);
    if (position < 0 || position >= static_cast<int>(expected.size())) {
      EXPECT_EQ(value, 0);
      EXPECT_STREQ(key, "") << position;
      return;
    }
    const auto& [want_key, want_value] = *std::next(expected.begin(), position);
    ASSERT_EQ(key, want_key) << position;
    ASSERT_EQ(value, want_value) << position;
  };
  std::vector<int> numbers(400);
  for (int i = 0; i < 400; ++i) numbers[static_cast<std::size_t>(i)] = i * 10;
  std::shuffle(numbers.begin(), numbers.end(), random);
  for (int number : numbers) set("k" + std::to_string(number), number);
  const int size = static_cast<int>(expected.size());
  for (int position = 0; position < size; ++position) check(position);
  for (int position = size - 1; position >= 0; --position) check(position);
  for (int position : {-1, size, 7, 0, size - 1, 200, 3, size - 2}) check(position);

  int position = 0;
  for (int step = 0; step < 20000; ++step) {
    const int size_now = static_cast<int>(expected.size());
    switch (random() % 6) {
      case 0:
        set("k" + std::to_string(random() % 100000), step);
        break;  // mostly a new key
      case 1:
        set(std::next(expected.begin(), position)->first, step);
        break;  // a new value only
      case 2:
        position = static_cast<int>(random() % static_cast<unsigned>(size_now));
        break;
      case 3:
        --position;
        break;
      default:
        ++position;
        break;
    }
    check(position);
    position = std::clamp(position, 0, static_cast<int>(expected.size()) - 1);
  }
  ASSERT_TRUE(py_release_obj(map));

  const std::uint64_t fresh = py_create_map();
  py_set_map_int(fresh, "only", 1);
  char key[1024];
  EXPECT_EQ(py_get_int_inmap(fresh, 0, key), 1);
  EXPECT_STREQ(key, "only");
  EXPECT_EQ(py_get_int_inmap(fresh, 1, key), 0);
  py_release_obj(fresh);
}

// Columns carry a row only when they are the whole record in key order; any
// other row is marked to be read by field, and a released record as none.
TEST(object_pool, columns_hold_whole_numeric_rows_and_mark_every_other_row) {
  using kv_object::kv_Midi;
  const std::uint64_t list = py_create_kvList_array();
  const std::uint64_t note = py_create_kvObj_inarray(list, "kv_Midi");
  kv_Midi::pool.at(note)->fields().Index.fill(3);
  kv_Midi::pool.at(note)->fields().StartPos.fill(0.5);
  const std::uint64_t pitched = py_create_kvObj_inarray(list, "kv_Midi");
  kv_Midi::pool.at(pitched)->fields().Pitch.fill(60);  // a key not asked for
  const std::uint64_t named = py_create_kvObj_inarray(list, "TrackDetail");
  kv_object::TrackDetail::pool.at(named)->fields().Index.fill(1);
  kv_object::TrackDetail::pool.at(named)->fields().Name.fill("Lead");  // a text
  ASSERT_TRUE(py_release_obj(py_create_kvObj_inarray(list, "kv_Peak")));
  py_create_kvObj_inarray(list, "kv_Peak");  // no present field

  constexpr int count = 6;  // one row more than the list holds
  double values[2 * count];
  std::uint8_t kinds[2 * count], rows[count];
  std::fill(std::begin(values), std::end(values), -1.0);
  std::fill(std::begin(kinds), std::end(kinds), 9);
  std::fill(std::begin(rows), std::end(rows), 9);
  ASSERT_EQ(py_get_columns_inkvList(list, "Index,StartPos", 0, count, values, kinds, rows), 5);
  EXPECT_EQ(std::vector<int>(rows, rows + count), (std::vector<int>{0, 1, 1, 2, 0, 9}));
  EXPECT_EQ((std::vector<double>{values[0], values[count]}), (std::vector<double>{3.0, 0.5}));
  EXPECT_EQ((std::vector<int>{kinds[0], kinds[count], kinds[4], kinds[count + 4]}),
            (std::vector<int>{python_api::cell_int, python_api::cell_double, 0, 0}));
  EXPECT_EQ(values[4], 0.0);

  ASSERT_EQ(py_get_columns_inkvList(list, "StartPos,Index", 0, 1, values, kinds, rows), 1);
  EXPECT_EQ(rows[0], python_api::row_read_by_field) << "out of key order";
  ASSERT_EQ(py_get_columns_inkvList(list, "", 3, count, nullptr, nullptr, rows), 2);
  EXPECT_EQ((std::vector<int>{rows[0], rows[1]}), (std::vector<int>{python_api::row_no_record, 0}));
  EXPECT_EQ(py_get_columns_inkvList(list, "Index", 5, 1, values, kinds, rows), 0) << "beyond the list";
  EXPECT_EQ(py_get_columns_inkvList(list, "Index", -1, 1, values, kinds, rows), 0);
  EXPECT_EQ(py_get_columns_inkvList(note, "Index", 0, 1, values, kinds, rows), 0) << "a record is no list";
  EXPECT_EQ(py_get_columns_inkvList(list, nullptr, 0, 2, nullptr, nullptr, nullptr), 2);
  EXPECT_TRUE(py_release_obj(list));
}

}  // namespace
