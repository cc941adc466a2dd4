/* A host that offers no Lua at all loads the extension with RTLD_NOW, runs
 * its entry (load and unload) and calls a Python export: every symbol the
 * library needs is resolved without Lua. Closed, the library is gone. */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

typedef struct {
  int caller_version;
  void* hwnd_main;
  int (*Register)(const char* name, void* infostruct);
  void* (*GetFunc)(const char* name);
} reaper_plugin_info_t;

static int registrations;

static int count_registration(const char* name, void* infostruct) {
  (void)name;
  (void)infostruct;
  ++registrations;
  return 1;
}

/* Function and object addresses convert through memcpy, as ISO C allows. */
static void* get_func(const char* name) {
  int (*registration)(const char*, void*) = count_registration;
  void* address = NULL;
  if (strcmp(name, "plugin_register") == 0) memcpy(&address, &registration, sizeof address);
  return address;
}

static int lookup(void* library, const char* name, void* function_pointer) {
  void* address = dlsym(library, name);
  memcpy(function_pointer, &address, sizeof address);
  return address != NULL;
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  if (dlsym(RTLD_DEFAULT, "lua_createtable")) {
    fprintf(stderr, "this process must offer no Lua\n");
    return 1;
  }
  int (*entry)(void*, reaper_plugin_info_t*);
  _Bool (*split)(const char*, const char*, uint64_t*);
  int (*size)(uint64_t);
  _Bool (*release)(uint64_t);
  if (!lookup(library, "ReaperPluginEntry", &entry) || !lookup(library, "py_GetStringSplitList", &split) ||
      !lookup(library, "py_get_obj_size", &size) || !lookup(library, "py_release_obj", &release) ||
      !dlsym(library, "luaopen_reaper_KELVARO_COBALT"))
    return 1;
  reaper_plugin_info_t record = {0x20E, NULL, count_registration, get_func};
  if (entry(NULL, &record) != 1 || registrations == 0) return 1;
  uint64_t handle = 0;
  if (!split("a,b,c", ",", &handle) || size(handle) != 3 || !release(handle)) return 1;
  if (entry(NULL, NULL) != 0) return 1;
  if (dlclose(library) != 0) return 1;
  /* Nothing (a GNU unique object, say) keeps the library mapped: a host can
   * unload it and load a new build. */
  if (dlopen(argv[1], RTLD_NOW | RTLD_NOLOAD)) {
    fprintf(stderr, "still loaded after dlclose\n");
    return 1;
  }
  printf("loaded without Lua: %d registrations; unloaded\n", registrations);
  return 0;
}
