#pragma once
// Every registered operation, in registration order, group by group.
#include "api/text/string_operations.hpp"

#define KV_ALL_OPERATIONS(X) KV_STRING_OPERATIONS(X)
