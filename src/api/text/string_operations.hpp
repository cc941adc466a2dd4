#pragma once
// String tests and edits that scripts call through the host.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_STRING_OPERATIONS(X)                                                                                       \
  X(bool, CheckSameString, (const char* textString, const char* checkString, bool* checkOut),                         \
    "[KV:API]Check Same String",                                                                                      \
    "Writes whether the two texts are equal, ignoring the case of ASCII letters; false only without "                 \
    "an out-value.")                                                                                                  \
  X(bool, CheckIncludeString, (const char* textString, const char* checkString, bool* checkOut),                      \
    "[KV:API]Check Include String",                                                                                   \
    "Writes whether checkString occurs in textString, ignoring the case of ASCII letters (an empty "                  \
    "checkString always does); false only without an out-value.")                                                     \
  X(bool, CheckIncludePerfectString, (const char* textString, const char* checkString, bool* checkOut),               \
    "[KV:API]Check Include PerfectString",                                                                            \
    "Writes whether checkString occurs in textString with exactly the same bytes; false only without "                \
    "an out-value.")                                                                                                  \
  X(bool, ReplaceSearchString,                                                                                        \
    (const char* textString, const char* searchString, const char* replaceString, char* stringOut, int stringOut_sz), \
    "[KV:API]Replace String",                                                                                         \
    "Copies textString with every match of the ECMAScript regular expression searchString replaced by"                \
    " replaceString ($&, $1..$99, $`, $', $$) into the buffer, cut to fit; false for an invalid "                     \
    "pattern, a match that gives up, or no buffer.")                                                                  \
  X(bool, DeleteBlankString, (const char* testString, char* stringOut, int stringOut_sz),                             \
    "[KV:API]Delete Blank String",                                                                                    \
    "Copies the text without its space characters (0x20; tabs and other blanks stay) into the buffer,"                \
    " cut to fit; false without a buffer.")

namespace KV_COBALT {
KV_STRING_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
