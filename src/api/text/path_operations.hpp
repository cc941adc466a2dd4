#pragma once
// The project's recording folder setting and new (optionally dated) folders
// under the project folder, the resource folder or a folder the script names.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_PATH_OPERATIONS(X)                                                                                        \
  X(bool, SetProjectInfoRecPath, (ReaProject * projID, const char* path, char* beforePathOut, int beforePathOut_sz), \
    "[KV:API]Set ProjectInfo RecPath",                                                                               \
    "Sets the project's recording folder to path (at most 1023 bytes) and copies the previous setting"               \
    " into the buffer; false when the host cannot read or write the setting.")                                       \
  X(bool, SetProjectInfoRecAddPath,                                                                                  \
    (ReaProject * projID, const char* path, char* beforePathOut, int beforePathOut_sz, char* afterPathOut,           \
     int afterPathOut_sz),                                                                                           \
    "[KV:API]Set ProjectInfo RecAddPath",                                                                            \
    "Appends path to the project's recording folder as a subfolder (path itself when the setting is "                \
    "empty), copies the setting before and after into the buffers, and stores what the after-buffer "                \
    "holds; false when the host cannot read or write the setting.")                                                  \
  X(bool, SetProjectPathFolder,                                                                                      \
    (const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,                  \
     int addPathOut_sz),                                                                                             \
    "[KV:API]Set ProjectPath Folder",                                                                                \
    "Creates folderName, dated by timeType (0 plain, 1 _MMDD_hhmm, 2 _MMDD_hhmmss, 3 "                               \
    "_YYYYMMDD_hhmmss), in the project folder and copies its full path and its name into the buffers;"               \
    " another timeType uses the project folder itself. On Windows names are given back as made, without "            \
    "trailing dots or spaces. False when there is no project folder or the folder cannot be made (a "                \
    "name Windows gives a device, such as NUL or COM1).")                                                            \
  X(bool, SetResoucePathFolder,                                                                                      \
    (const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,                  \
     int addPathOut_sz),                                                                                             \
    "[KV:API]Set ResoucePath Folder", "As KV_SetProjectPathFolder in REAPER's resource folder.")                     \
  X(bool, SetPathFolder,                                                                                             \
    (const char* folderPath, const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz),           \
    "[KV:API]Set Path Folder",                                                                                       \
    "As KV_SetProjectPathFolder in the folder folderPath, copying only the full path; false for an "                 \
    "empty folderPath.")

namespace KV_COBALT {
KV_PATH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
