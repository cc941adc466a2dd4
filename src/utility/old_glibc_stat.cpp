// The release's Linux files are built by Zig against glibc 2.17, which exports
// the stat functions only under other names: Zig compiles its own, which
// return -1 without setting errno, so the C++ library takes a missing file for
// an error (a stale errno) instead of "not found". These set errno, through
// the system call as glibc does on 64-bit Linux, where the kernel's struct
// stat is the C library's.
#include <cstdlib>

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__aarch64__))
#if !__GLIBC_PREREQ(2, 33)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" {
int fstatat(int folder, const char* __restrict path, struct stat* __restrict buffer, int flags) noexcept {
  return static_cast<int>(syscall(SYS_newfstatat, folder, path, buffer, flags));
}
int fstatat64(int folder, const char* __restrict path, struct stat64* __restrict buffer, int flags) noexcept {
  return static_cast<int>(syscall(SYS_newfstatat, folder, path, buffer, flags));
}
int stat(const char* __restrict path, struct stat* __restrict buffer) noexcept {
  return fstatat(AT_FDCWD, path, buffer, 0);
}
int stat64(const char* __restrict path, struct stat64* __restrict buffer) noexcept {
  return fstatat64(AT_FDCWD, path, buffer, 0);
}
int lstat(const char* __restrict path, struct stat* __restrict buffer) noexcept {
  return fstatat(AT_FDCWD, path, buffer, AT_SYMLINK_NOFOLLOW);
}
int lstat64(const char* __restrict path, struct stat64* __restrict buffer) noexcept {
  return fstatat64(AT_FDCWD, path, buffer, AT_SYMLINK_NOFOLLOW);
}
int fstat(int file, struct stat* buffer) noexcept { return static_cast<int>(syscall(SYS_fstat, file, buffer)); }
int fstat64(int file, struct stat64* buffer) noexcept { return static_cast<int>(syscall(SYS_fstat, file, buffer)); }
}
#endif
#endif
