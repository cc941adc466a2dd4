#include "entry/sws_import.hpp"

#include "entry/dependency.hpp"
#include "entry/plugin.hpp"

namespace KV_COBALT::sws {

#define KV_SWS_SLOT(name, ret, params) host::function<sws_signature::name> name{#name};
KV_SWS_FUNCTIONS(KV_SWS_SLOT)
#undef KV_SWS_SLOT

void look_up(std::initializer_list<host::slot*> functions) {
  for (host::slot* function : functions) {
    function->resolve(lookup_function(function->name()));
    if (!*function) throw dependency_manager::function_unload_exception(function->name());
  }
}

}  // namespace KV_COBALT::sws
