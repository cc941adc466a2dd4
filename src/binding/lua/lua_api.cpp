#include "binding/lua/lua_api.hpp"

#ifdef _WIN32
#include "utility/windows_api.hpp"
#else
#include <dlfcn.h>
#endif

namespace lua_api {

functions lua;

namespace {

// The loaded object whose Lua was accepted; null until then.
const void* accepted_object = nullptr;

const void* object_of(const void* address) {
#ifdef _WIN32
  HMODULE module = nullptr;
  constexpr DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  return address && GetModuleHandleExW(flags, static_cast<LPCWSTR>(address), &module) ? module : nullptr;
#else
  Dl_info info{};
  return address && dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
#endif
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

// Windows has no process-wide symbol scope: the caller's own module is asked,
// the only one whose Lua is accepted anyway.
functions lookup([[maybe_unused]] const void* object) {
  functions found;
#ifdef _WIN32
  const auto module = static_cast<HMODULE>(const_cast<void*>(object));
#define KV_LUA_LOOKUP(name) \
  found.name = reinterpret_cast<decltype(found.name)>(reinterpret_cast<void*>(GetProcAddress(module, #name)));
#else
#define KV_LUA_LOOKUP(name) found.name = reinterpret_cast<decltype(found.name)>(dlsym(RTLD_DEFAULT, #name));
#endif
  KV_LUA_FUNCTIONS(KV_LUA_LOOKUP)
#undef KV_LUA_LOOKUP
  return found;
}

}  // namespace

bool resolve(const void* caller) {
  const void* object = object_of(caller);
  if (!object) return false;
  if (accepted_object) return object == accepted_object;
  const functions found = lookup(object);
  if (!all_in(found, object)) return false;
  lua = found;
  accepted_object = object;
  return true;
}

}  // namespace lua_api
