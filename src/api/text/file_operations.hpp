#pragma once
// File copy, and writing and reading text files, for scripts.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_FILE_COPY_OPERATIONS(X)                                                                      \
  X(bool, SetCopyFile, (const char* copyFilePath, const char* pasteFilePath), "[KV:API]Copy File",      \
    "Copies a file (into a folder under its own name when pasteFilePath is one), or a folder with its " \
    "contents, replacing files of the same name once the whole copy has succeeded: a copy that fails "  \
    "leaves the target as it was. False when the source is missing or no regular file or folder, a "    \
    "name is one Windows gives a device (NUL, COM1.txt), a file it would replace is read-only, the "    \
    "copy fails, or a folder would go into itself.")

#define KV_FILE_TEXT_OPERATIONS(X)                                                                              \
  X(bool, WriteFile, (const char* directory, const char* filename, const char* text, int mode),                 \
    "[KV:API]Write text in file. mode 0: override, 1: create new file , 2: append",                             \
    "Writes text to filename in directory (an absolute filename stands alone; the file's folder is "            \
    "made when missing; regular files only, never a name Windows gives a device): mode 0 replaces "             \
    "the file, 1 writes a "                                                                                     \
    "new file name(1).ext, name(2).ext ... beside an existing one, 2 appends; false for another mode "          \
    "or when the file cannot be written.")                                                                      \
  X(bool, ReadFile, (const char* directory, const char* filename, char* textOutNeedBig, int textOutNeedBig_sz), \
    "[KV:API]Read a whole text file; false when it does not come back whole",                                   \
    "Copies the text of filename in directory into the buffer, grown to the text's size through the host's"     \
    " realloc_cmd_ptr. False when the file cannot be read, there is no buffer, or the text does not come"       \
    " back whole (a host that cannot grow the buffer, or a file larger than any buffer the host gives, which"   \
    " is refused before it is read): the buffer then holds the text's start.")

namespace KV_COBALT {
KV_FILE_COPY_OPERATIONS(KV_DECLARE_OPERATION)
KV_FILE_TEXT_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
