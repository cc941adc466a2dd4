#pragma once
// File copy, and writing and reading text files, for scripts.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_FILE_COPY_OPERATIONS(X) \
  X(bool, SetCopyFile, (const char* copyFilePath, const char* pasteFilePath), "[KV:API]Copy File")

#define KV_FILE_TEXT_OPERATIONS(X)                                                                      \
  X(bool, WriteFile, (const char* directory, const char* filename, const char* text, int mode),         \
    "[KV:API]Write text in file. mode 0: override, 1: create new file , 2: append")                     \
  X(bool, ReadFile, (const char* directory, const char* filename, char* textOutNeedBig, int textOutNeedBig_sz), \
    "[KV:API]Read a whole text file; a text longer than the buffer is cut to fit")

namespace KV_COBALT {
KV_FILE_COPY_OPERATIONS(KV_DECLARE_OPERATION)
KV_FILE_TEXT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
