#include "binding/lua/lua_api.hpp"

#include <dlfcn.h>

namespace lua_api {

functions lua;

namespace {
bool found_all = false;
}  // namespace

namespace {

bool complete(const functions& found) {
  bool all = true;
#define KV_LUA_FOUND(name) all = all && found.name != nullptr;
  KV_LUA_FUNCTIONS(KV_LUA_FOUND)
#undef KV_LUA_FOUND
  return all;
}

functions lookup(void* scope) {
  functions found;
#define KV_LUA_LOOKUP(name) found.name = reinterpret_cast<decltype(found.name)>(dlsym(scope, #name));
  KV_LUA_FUNCTIONS(KV_LUA_LOOKUP)
#undef KV_LUA_LOOKUP
  return found;
}

// A Lua library some host loaded privately (RTLD_LOCAL) is not in the global
// scope; RTLD_NOLOAD finds it without ever loading one.
constexpr const char* shared_lua_names[] = {"liblua5.3.so.0", "liblua5.3.so", "liblua.so.5.3"};

}  // namespace

bool resolved() { return found_all; }

bool resolve() {
  if (resolved()) return true;
  functions found = lookup(RTLD_DEFAULT);
  for (const char* name : shared_lua_names) {
    if (complete(found)) break;
    if (void* library = dlopen(name, RTLD_NOW | RTLD_NOLOAD)) {
      found = lookup(library);
      dlclose(library);  // only drops the reference RTLD_NOLOAD added
    }
  }
  if (!complete(found)) return false;
  lua = found;
  found_all = true;
  return true;
}

}  // namespace lua_api
