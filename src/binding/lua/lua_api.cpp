#include "binding/lua/lua_api.hpp"

#include <dlfcn.h>

namespace lua_api {

functions lua;

namespace {

// The loaded object whose Lua was accepted; null until then.
const void* accepted_object = nullptr;

const void* object_of(const void* address) {
  Dl_info info{};
  return address && dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
}

// Every function found, and all in the one object that holds the caller's
// Lua: a Lua found anywhere else belongs to another state and would corrupt
// this one.
bool all_in(const functions& found, const void* object) {
  bool all = object != nullptr;
#define KV_LUA_IN(name) all = all && object_of(reinterpret_cast<const void*>(found.name)) == object;
  KV_LUA_FUNCTIONS(KV_LUA_IN)
#undef KV_LUA_IN
  return all;
}

functions lookup() {
  functions found;
#define KV_LUA_LOOKUP(name) found.name = reinterpret_cast<decltype(found.name)>(dlsym(RTLD_DEFAULT, #name));
  KV_LUA_FUNCTIONS(KV_LUA_LOOKUP)
#undef KV_LUA_LOOKUP
  return found;
}

}  // namespace

bool resolve(const void* caller) {
  const void* object = object_of(caller);
  if (!object) return false;
  if (accepted_object) return object == accepted_object;
  const functions found = lookup();
  if (!all_in(found, object)) return false;
  lua = found;
  accepted_object = object;
  return true;
}

}  // namespace lua_api
