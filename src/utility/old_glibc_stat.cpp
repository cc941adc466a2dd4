// The release's Linux files are built by Zig against glibc 2.17, which exports
// the stat functions only under other names: Zig compiles its own, which
// return -1 without setting errno, so the C++ library takes a missing file for
// an error (a stale errno) instead of "not found". These set errno, through
// the system call as glibc does: on 64-bit Linux the kernel's struct stat is
// the C library's, on 32-bit x86 and ARM its struct stat64 is.
#include <cstdlib>

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__aarch64__) || defined(__i386__) || defined(__arm__))
#if !__GLIBC_PREREQ(2, 33)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__aarch64__)
#define KV_SYS_FSTATAT SYS_newfstatat
#define KV_SYS_FSTAT SYS_fstat
#else
#define KV_SYS_FSTATAT SYS_fstatat64
#define KV_SYS_FSTAT SYS_fstat64
#endif

extern "C" {
int fstatat64(int folder, const char* __restrict path, struct stat64* __restrict buffer, int flags) noexcept {
  return static_cast<int>(syscall(KV_SYS_FSTATAT, folder, path, buffer, flags));
}
int fstat64(int file, struct stat64* buffer) noexcept { return static_cast<int>(syscall(KV_SYS_FSTAT, file, buffer)); }
int stat64(const char* __restrict path, struct stat64* __restrict buffer) noexcept {
  return fstatat64(AT_FDCWD, path, buffer, 0);
}
int lstat64(const char* __restrict path, struct stat64* __restrict buffer) noexcept {
  return fstatat64(AT_FDCWD, path, buffer, AT_SYMLINK_NOFOLLOW);
}
}

#if defined(__x86_64__) || defined(__aarch64__)
// struct stat is struct stat64: the same system call fills it.
extern "C" {
int fstatat(int folder, const char* __restrict path, struct stat* __restrict buffer, int flags) noexcept {
  return static_cast<int>(syscall(KV_SYS_FSTATAT, folder, path, buffer, flags));
}
int fstat(int file, struct stat* buffer) noexcept { return static_cast<int>(syscall(KV_SYS_FSTAT, file, buffer)); }
int stat(const char* __restrict path, struct stat* __restrict buffer) noexcept {
  return fstatat(AT_FDCWD, path, buffer, 0);
}
int lstat(const char* __restrict path, struct stat* __restrict buffer) noexcept {
  return fstatat(AT_FDCWD, path, buffer, AT_SYMLINK_NOFOLLOW);
}
}
#else
// 32-bit builds (their C++ runtime included) take 64-bit file offsets, so
// every call names the functions above; the 32-bit ones stay unused.
static_assert(sizeof(off_t) == 8, "32-bit Linux builds need _FILE_OFFSET_BITS=64");
#endif
#endif
#endif
