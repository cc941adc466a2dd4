#include "host_import.hpp"

namespace KV_COBALT::host {

#define KV_HOST_SLOT(name, ret, params) function<host_signature::name> name{#name};
KV_HOST_FUNCTIONS(KV_HOST_SLOT)
#undef KV_HOST_SLOT

namespace {
#define KV_HOST_SLOT_ADDRESS(name, ret, params) &name,
slot* const all_slots[] = {KV_HOST_FUNCTIONS(KV_HOST_SLOT_ADDRESS)};
#undef KV_HOST_SLOT_ADDRESS
}  // namespace

const import_table host_import_table{all_slots, static_cast<int>(sizeof all_slots / sizeof all_slots[0])};

}  // namespace KV_COBALT::host
