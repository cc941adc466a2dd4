#pragma once
// Every registered operation, in registration order, group by group.
#include "api/text/file_operations.hpp"
#include "api/text/marker_operations.hpp"
#include "api/text/number_operations.hpp"
#include "api/text/path_operations.hpp"
#include "api/text/string_operations.hpp"

#define KV_ALL_OPERATIONS(X) \
  KV_STRING_OPERATIONS(X)    \
  KV_PATH_OPERATIONS(X)      \
  KV_FILE_COPY_OPERATIONS(X) \
  KV_NUMBER_OPERATIONS(X)    \
  KV_MARKER_OPERATIONS(X)    \
  KV_FILE_TEXT_OPERATIONS(X)
