// Notes and peaks as keyed records, the record pools, and records to and from Lua tables.
#ifndef _WIN32
#include <dlfcn.h>
#endif
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "binding/lua/lua_api.hpp"
#include "binding/lua/lua_tables.hpp"
#include "object/record_types.hpp"

using kv_object::kv_List;
using kv_object::kv_Midi;
using kv_object::kv_Peak;
using kv_object::pyvar;
using kv_object::TrackDetail;

namespace {

TEST(records, a_note_lists_its_present_fields_in_key_order_and_keeps_exact_types) {
  kv_Midi note;
  note.fields().EndPos.fill(2.5);
  note.fields().Pitch.fill(60);
  EXPECT_EQ(note.get_size(), 2);
  EXPECT_EQ(note.get_key_info(0), std::make_pair(std::string("Pitch"), std::string("int")));
  EXPECT_EQ(note.get_key_info(1), std::make_pair(std::string("EndPos"), std::string("double")));
  note.set_value("Pitch", 61.0);
  note.set_value("Velocity", 100);
  note.set_value("StartPos", 1);
  EXPECT_EQ(note.get_value("Pitch"), pyvar(60));
  EXPECT_EQ(note.get_value("Velocity"), pyvar(100));
  EXPECT_EQ(note.get_value("StartPos"), pyvar(0.0));
  EXPECT_EQ(note.get_size(), 2);
}

TEST(records, peaks_of_a_list_are_rows_shared_by_every_copy) {
  kv_object::peak_list list;
  list.table().add_peak(0.001, -6.0206, -80.0);
  kv_Peak row = list[0];
  EXPECT_EQ(row.get_size(), 3);
  EXPECT_EQ(row.get_key_info(2), std::make_pair(std::string("MinPeak"), std::string("double")));
  row.set_value("Pos", 4.0);
  row.set_value("Time", 1);
  EXPECT_EQ(list[0].get_value("Pos"), pyvar(4.0));
  EXPECT_EQ(list[0].get_value("Time"), pyvar(0.001));
  EXPECT_EQ(list[0].get_size(), 3);
}

TEST(records, a_record_is_pooled_once_and_released_once) {
  auto note = std::make_shared<kv_Midi>();
  kv_List::set_obj_topool(note);
  kv_List::set_obj_topool(note);
  EXPECT_EQ(kv_Midi::pool.count(note->handle), 1u);
  EXPECT_EQ(note.use_count(), 2);
  EXPECT_TRUE(note->release_inpool());
  EXPECT_FALSE(note->release_inpool());
  EXPECT_EQ(note.use_count(), 1);
}

// The Lua this program links, as a Lua that calls the library would be; a
// Windows program exports it.
#ifdef _WIN32
const void* program_lua() { return reinterpret_cast<const void*>(&lua_createtable); }
#else
const void* program_lua() { return dlsym(RTLD_DEFAULT, "lua_createtable"); }
#endif

struct lua_tables : ::testing::Test {
  lua_State* L = luaL_newstate();
  void SetUp() override { ASSERT_TRUE(lua_api::resolve(program_lua())); }
  void TearDown() override { lua_close(L); }
  // Runs code that leaves one value on the stack.
  void push(const char* code) { ASSERT_EQ(luaL_dostring(L, code), LUA_OK) << lua_tostring(L, -1); }
  std::string field_type(const char* key) {
    lua_getfield(L, -1, key);
    std::string type = lua_typename(L, lua_type(L, -1));
    lua_pop(L, 1);
    return type;
  }
};

TEST_F(lua_tables, a_record_becomes_a_table_of_its_present_fields) {
  TrackDetail row;
  row.fields().Track.fill(nullptr);
  row.fields().Depth.fill(2);
  row.fields().Name.value = "hidden";
  row.pushvalue(L);
  EXPECT_EQ(lua_gettop(L), 1);
  EXPECT_EQ(field_type("Track"), "nil") << "a null track makes no entry";
  EXPECT_EQ(field_type("Depth"), "number");
  EXPECT_EQ(field_type("Name"), "nil");
  EXPECT_TRUE(lua_getfield(L, -1, "Depth") == LUA_TNUMBER && lua_isinteger(L, -1));
  lua_pop(L, 2);

  TrackDetail empty;
  empty.pushvalue(L);
  lua_pushnil(L);
  EXPECT_EQ(lua_next(L, -2), 0) << "no field, no entry";
}

TEST_F(lua_tables, a_null_handle_leaves_a_hole_at_its_position) {
  int first = 0, third = 0;
  const std::vector<MediaTrack*> tracks = {reinterpret_cast<MediaTrack*>(&first), nullptr,
                                           reinterpret_cast<MediaTrack*>(&third)};
  lua_utility::push_handles(L, tracks);
  ASSERT_EQ(lua_rawgeti(L, 1, 1), LUA_TLIGHTUSERDATA);
  EXPECT_EQ(lua_touserdata(L, -1), &first);
  EXPECT_EQ(lua_rawgeti(L, 1, 2), LUA_TNIL);
  ASSERT_EQ(lua_rawgeti(L, 1, 3), LUA_TLIGHTUSERDATA);
  EXPECT_EQ(lua_touserdata(L, -1), &third);
  lua_settop(L, 1);
  lua_pushnil(L);
  int entries = 0;
  while (lua_next(L, 1) != 0) {
    ++entries;
    lua_pop(L, 1);
  }
  EXPECT_EQ(entries, 2) << "no entry for the null handle";
}

TEST_F(lua_tables, a_table_is_read_back_with_luas_conversions) {
  TrackDetail row;
  push("return {Name = 'Bass', Index = 3.0, Volume = '0.5', Depth = 2.5}");
  row.set_value_from_luatable(L, -1);
  EXPECT_EQ(row.get_value("Name"), pyvar(std::string("Bass")));
  EXPECT_EQ(row.get_value("Index"), pyvar(3));
  EXPECT_EQ(row.get_value("Volume"), pyvar(0.5));
  EXPECT_EQ(row.get_value("Depth"), pyvar(0)) << "2.5 is no integer";
  EXPECT_EQ(row.get_size(), 0) << "the visible keys stay the producer's";
  EXPECT_EQ(lua_gettop(L), 1);

  push("return {Name = {}, Track = 'x', Index = 'seven'}");
  row.set_value_from_luatable(L, -1);
  EXPECT_EQ(row.get_value("Name"), pyvar(std::string("Bass"))) << "no text leaves the name";
  EXPECT_EQ(row.get_value("Index"), pyvar(0));
  EXPECT_EQ(row.get_value("Track"), pyvar(static_cast<void*>(nullptr)));
}

TEST_F(lua_tables, the_walk_stops_at_a_key_that_is_no_string) {
  // A table's part for 1..n comes first in lua_next, so the integer key stops the walk at once.
  kv_Midi note;
  push("local t = {7} t.Pitch = 64 return t");
  note.set_value_from_luatable(L, 1);
  EXPECT_EQ(note.get_value("Pitch"), pyvar(0));
  EXPECT_EQ(lua_gettop(L), 1);
  kv_object::peak_list list;
  list.table().add_row();
  push("return {Frequency = 440, PointVol = 'x'}");
  list[0].set_value_from_luatable(L, -1);
  EXPECT_EQ(list[0].get_value("Frequency"), pyvar(440.0));
  EXPECT_EQ(list[0].get_value("PointVol"), pyvar(0.0));
  lua_pushinteger(L, 5);
  note.set_value_from_luatable(L, -1);  // no table: nothing read
  EXPECT_EQ(lua_gettop(L), 3);
}

}  // namespace
