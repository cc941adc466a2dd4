#include "registry.hpp"

#include "api/operations.hpp"
#include "definition.hpp"
#include "operation.hpp"

namespace KV_COBALT {

#define KV_GUARDED(name) kv_registry::guarded<&name, "KV_" #name>::call

#define KV_VARARG_WRAPPER(ret, name, params, help, ...) \
  void* __vararg_##name(void** arglist, int count) { return kv_registry::vararg<&KV_GUARDED(name)>(arglist, count); }
KV_ALL_OPERATIONS(KV_VARARG_WRAPPER)
#undef KV_VARARG_WRAPPER

namespace {
#define KV_REGISTRY_ROW(ret, name, params, help, ...)                         \
  api_record{reinterpret_cast<void*>(&KV_GUARDED(name)),                      \
             &__vararg_##name,                                                \
             kv_registry::definition<ret params, #params, help>::text.data(), \
             "API_KV_" #name,                                                 \
             "APIdef_KV_" #name,                                              \
             "APIvararg_KV_" #name,                                           \
             "-API_KV_" #name,                                                \
             "-APIdef_KV_" #name,                                             \
             "-APIvararg_KV_" #name},
const api_record records[] = {KV_ALL_OPERATIONS(KV_REGISTRY_ROW)};
#undef KV_REGISTRY_ROW
#undef KV_GUARDED
}  // namespace

const api_table api_define_list{records, static_cast<int>(sizeof records / sizeof records[0])};

}  // namespace KV_COBALT
