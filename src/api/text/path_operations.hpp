#pragma once
// The project's recording folder setting and new (optionally dated) folders
// under the project folder, the resource folder or a folder the script names.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_PATH_OPERATIONS(X)                                                                                   \
  X(bool, SetProjectInfoRecPath, (ReaProject* projID, const char* path, char* beforePathOut, int beforePathOut_sz), \
    "[KV:API]Set ProjectInfo RecPath")                                                                          \
  X(bool, SetProjectInfoRecAddPath,                                                                             \
    (ReaProject* projID, const char* path, char* beforePathOut, int beforePathOut_sz, char* afterPathOut,        \
     int afterPathOut_sz),                                                                                      \
    "[KV:API]Set ProjectInfo RecAddPath")                                                                       \
  X(bool, SetProjectPathFolder,                                                                                 \
    (const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,             \
     int addPathOut_sz),                                                                                        \
    "[KV:API]Set ProjectPath Folder")                                                                           \
  X(bool, SetResoucePathFolder,                                                                                 \
    (const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz, char* addPathOut,             \
     int addPathOut_sz),                                                                                        \
    "[KV:API]Set ResoucePath Folder")                                                                           \
  X(bool, SetPathFolder,                                                                                        \
    (const char* folderPath, const char* folderName, int timeType, char* fullPathOut, int fullPathOut_sz),      \
    "[KV:API]Set Path Folder")

namespace KV_COBALT {
KV_PATH_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
