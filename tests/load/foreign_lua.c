/* A host with its own Lua 5.4, linked in and not exported as REAPER 7 has
 * it, in whose process another component loaded Debian's Lua 5.3 library,
 * privately or for everyone. Requiring the library as a C module must bind
 * neither Lua to this host's state: the opener leaves nothing, and the
 * script goes on. Usage: foreign_lua EXTENSION_FOLDER local|global */
#include <dlfcn.h>
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const int scope = strcmp(argv[2], "global") == 0 ? RTLD_GLOBAL : RTLD_LOCAL;
  if (!dlopen("liblua5.3.so.0", RTLD_NOW | scope)) {
    fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  lua_getglobal(L, "package");
  lua_pushfstring(L, "%s/?.so", argv[1]);
  lua_setfield(L, -2, "cpath");
  lua_pop(L, 1);
  const char* script =
      "local loaded = require('reaper_KELVARO_COBALT')\n"
      "assert(loaded == true and KV_COBALT == nil, 'a Lua that is not the caller\\'s was bound')\n"
      "assert(select('#', package.loadlib(package.searchpath('reaper_KELVARO_COBALT', package.cpath),\n"
      "  'luaopen_reaper_KELVARO_COBALT')()) == 0)\n";
  if (luaL_dostring(L, script) != LUA_OK) {
    fprintf(stderr, "%s\n", lua_tostring(L, -1));
    return 1;
  }
  lua_close(L);
  puts("the library bound no foreign Lua");
  return 0;
}
