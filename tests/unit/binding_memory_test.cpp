// The bindings' memory: a Lua memory error mid-list frees the native list,
// and a peak list a binding could not hold is refused before it is begun.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <lua.hpp>
#include <vector>

#include "binding/lua/lua_module.hpp"
#include "binding/python/python_exports.hpp"
#include "fake_host.hpp"
#include "fake_media.hpp"
#include "object/kv_peak.hpp"

namespace {

// A Lua whose allocator refuses past a limit, with the module opened as a
// Lua interpreter opens it.
struct limited_lua {
  std::size_t used = 0, limit = SIZE_MAX;
  lua_State* L = lua_newstate(&allocate, this);

  static void* allocate(void* self, void* block, std::size_t old_size, std::size_t new_size) {
    auto& lua = *static_cast<limited_lua*>(self);
    const std::size_t old_bytes = block ? old_size : 0;
    if (new_size == 0) {
      std::free(block);
      lua.used -= old_bytes;
      return nullptr;
    }
    if (new_size > old_bytes && lua.used - old_bytes + new_size > lua.limit) return nullptr;
    void* moved = std::realloc(block, new_size);
    if (moved) lua.used = lua.used - old_bytes + new_size;
    return moved;
  }
  limited_lua() {
    luaL_openlibs(L);
    luaL_requiref(L, "m", luaopen_reaper_KELVARO_COBALT, 1);
    lua_pop(L, 1);
  }
  ~limited_lua() { lua_close(L); }
  void run(const char* code) { ASSERT_EQ(luaL_dostring(L, code), LUA_OK) << lua_tostring(L, -1); }
};

#ifdef _WIN32
std::size_t heap_in_use() {
  std::size_t used = 0;
  _HEAPINFO block{};
  while (_heapwalk(&block) == _HEAPOK) used += block._useflag == _USEDENTRY ? block._size : 0;
  return used;
}
#else
std::size_t heap_in_use() { return mallinfo2().uordblks; }
#endif

TEST(binding_memory, a_lua_memory_error_mid_list_frees_the_native_list) {
  limited_lua lua;
  lua.run("text = string.rep('abcdefghijklmnopqrs,', 200000)");
  lua_gc(lua.L, LUA_GCCOLLECT, 0);
  // The text, not its 200,000 parts: a table slot takes 8 bytes or more (12 on
  // i386, 16 on 64-bit systems), 1.6 MB at the least.
  lua.limit = lua.used + (1 << 20);
  lua.run("ok, message = pcall(m.KV_GetStringSplitList, text, ',')");
  lua.run("assert(ok == false and message == 'not enough memory', tostring(message))");
  lua_gc(lua.L, LUA_GCCOLLECT, 0);
  const std::size_t before = heap_in_use();
  lua.run("for i = 1, 10 do assert(not pcall(m.KV_GetStringSplitList, text, ',')) end");
  lua_gc(lua.L, LUA_GCCOLLECT, 0);
  // Each lost list would hold about 6 MB.
  EXPECT_LT(heap_in_use(), before + (2 << 20));
  lua.limit = SIZE_MAX;
  lua.run("local ok, parts = m.KV_GetStringSplitList(text, ','); assert(ok and #parts == 200000)");
}

struct peak_memory : ::testing::Test {
  void SetUp() override { fake_media::install(); }
  void TearDown() override {
    kv_object::set_memory_limit(0);
    ReaperPluginEntry(nullptr, nullptr);
  }
};

// Inside REAPER: the registered function that gives the module's Lua file
// a peak list (item, then listIdOut, handlesOut, listSizeOut and the buffer).
bool registered_peak_list(MediaItem* item) {
  const auto& calls = fake_host::registrations;
  const auto row = std::find_if(calls.begin(), calls.end(),
                                [](const auto& call) { return call.key == "API_KV_COBALT_GetMediaItemPeakList"; });
  EXPECT_NE(row, calls.end());
  if (row == calls.end()) return false;
  int list = 0, handles = 0, size = 0;
  std::vector<char> bytes(256);
  return reinterpret_cast<bool (*)(MediaItem*, int*, int*, int*, char*, int)>(row->value)(
      item, &list, &handles, &size, bytes.data(), static_cast<int>(bytes.size()));
}

// 10,000 peak rows: 250 KB in their table, about 1.5 MB pooled for Python
// and about 2 MB as Lua tables; a 1 MB limit lets only the table through.
TEST_F(peak_memory, a_list_is_refused_when_its_binding_could_not_hold_it) {
  auto& it = fake_media::add_item();
  it.length = 10;
  it.maxima.assign(10000, 0.5);
  it.minima.assign(10000, -0.5);
  kv_object::set_memory_limit(1 << 20);
  kv_object::peak_list peaks;
  EXPECT_TRUE(KV_COBALT::GetMediaItemPeakList(fake_media::handle(it), peaks));
  std::uint64_t pooled = 7;
  EXPECT_FALSE(py_GetMediaItemPeakList(fake_media::handle(it), &pooled));
  EXPECT_EQ(pooled, 7u);
  limited_lua lua;
  lua_pushlightuserdata(lua.L, fake_media::handle(it));
  lua_setglobal(lua.L, "item");
  lua.run("local ok, list = m.KV_GetMediaItemPeakList(item); assert(ok == false and next(list) == nil)");
  EXPECT_FALSE(registered_peak_list(fake_media::handle(it)));
  kv_object::set_memory_limit(0);
  lua.run("local ok, list = m.KV_GetMediaItemPeakList(item); assert(ok and #list == 10000)");
  EXPECT_TRUE(registered_peak_list(fake_media::handle(it)));
}

}  // namespace
