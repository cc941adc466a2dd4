#pragma once
// setenv and unsetenv, which mingw lacks, for the unit tests that set the
// environment; included into each of them in the Windows build.
#include <cstdlib>

inline int setenv(const char* name, const char* value, int) { return _putenv_s(name, value); }
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }
