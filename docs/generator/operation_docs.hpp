#pragma once
// The documentation field of every registered operation, in registry order.
#include <span>

namespace kv_docs {

struct operation_doc {
  const char* name;         // the operation's name, without "KV_"
  const char* description;  // what it does and returns on failure; empty when the row has none
};

std::span<const operation_doc> operation_docs();

}  // namespace kv_docs
