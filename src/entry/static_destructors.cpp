// The library's static objects are destroyed when the host unloads it: their
// destructors are registered with this library's handle, and GCC's start
// files run them on unload through __cxa_finalize. Zig's (the release build
// for old glibc) do not, so the destructors would stay registered and run from
// unmapped code when the process exits. A second call finds nothing left.
#ifdef __linux__
extern "C" {
[[gnu::visibility("hidden")]] extern void* __dso_handle;
void __cxa_finalize(void* dso_handle);
}

namespace {
[[gnu::destructor]] void destroy_static_objects() { __cxa_finalize(&__dso_handle); }
}  // namespace
#endif
