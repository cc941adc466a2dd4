#pragma once
// String tests and edits that scripts call through the host.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_STRING_OPERATIONS(X)                                                                   \
  X(bool, CheckSameString, (const char* textString, const char* checkString, bool* checkOut),      \
    "[KV:API]Check Same String")                                                                  \
  X(bool, CheckIncludeString, (const char* textString, const char* checkString, bool* checkOut),   \
    "[KV:API]Check Include String")                                                               \
  X(bool, CheckIncludePerfectString,                                                              \
    (const char* textString, const char* checkString, bool* checkOut),                            \
    "[KV:API]Check Include PerfectString")                                                        \
  X(bool, ReplaceSearchString,                                                                    \
    (const char* textString, const char* searchString, const char* replaceString, char* stringOut, \
     int stringOut_sz),                                                                           \
    "[KV:API]Replace String")                                                                     \
  X(bool, DeleteBlankString, (const char* testString, char* stringOut, int stringOut_sz),          \
    "[KV:API]Delete Blank String")

namespace KV_COBALT {
KV_STRING_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
