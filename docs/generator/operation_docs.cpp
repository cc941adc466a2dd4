#include "operation_docs.hpp"

#include "api/operations.hpp"

namespace kv_docs {
namespace {

#define KV_DOC_ROW(ret, name, params, help, ...) operation_doc{#name, "" __VA_ARGS__},
const operation_doc docs[] = {KV_ALL_OPERATIONS(KV_DOC_ROW)};
#undef KV_DOC_ROW

}  // namespace

std::span<const operation_doc> operation_docs() { return docs; }

}  // namespace kv_docs
