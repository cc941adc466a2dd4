// The list functions for Python: each runs its builder once and pools the
// result for the caller's handle.
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "binding/list_builder.hpp"
#include "binding/python/object_pool.hpp"
#include "binding/python/python_exports.hpp"
#include "entry/caught_exception.hpp"

namespace {

using list_binding::builder_traits;
using list_binding::shape;

// A pooled copy of a record and its entry in the pool and the list.
constexpr std::size_t pooled_bytes_per_record = 120;

using list_binding::c_input;

// Null reads as an empty text.
template <class T>
T from_c(c_input<T> value) {
  if constexpr (std::is_same_v<T, std::string>)
    return value ? std::string(value) : std::string();
  else
    return value;
}

template <class Traits, class Args, std::size_t... I>
auto owned_inputs(const Args& args, std::index_sequence<I...>) {
  static_assert((std::is_same_v<std::tuple_element_t<I, std::remove_cvref_t<Args>>,
                                c_input<typename Traits::template input<I>>> &&
                 ...),
                "the export takes the builder's inputs");
  return std::tuple<typename Traits::template input<I>...>(
      from_c<typename Traits::template input<I>>(std::get<I>(args))...);
}

// Inputs as the builder's own C types, then the out handle, then the count
// pointer for builders that count. Handle and record lists are pooled only
// when the builder succeeds; a list of texts always is.
template <auto Builder, class... Args>
bool call(const char* name, Args... args) noexcept {
  using traits = builder_traits<Builder>;
  constexpr std::size_t inputs = traits::input_count;
  static_assert(sizeof...(Args) == inputs + 1 + (traits::counted ? 1 : 0), "inputs, handle, count");
  constexpr shape kind = list_binding::shape_of<typename traits::element>();
  try {
    const auto all = std::make_tuple(args...);
    static_assert(std::is_same_v<std::tuple_element_t<inputs, std::remove_cvref_t<decltype(all)>>, std::uint64_t*>);
    auto owned = owned_inputs<traits>(all, std::make_index_sequence<inputs>{});
    typename traits::list result;
    int count = 0;
    bool ok = false;
    {
      const kv_object::binding_row_cost cost(pooled_bytes_per_record);
      ok = traits::call(owned, result, count);
    }
    if constexpr (traits::counted) {
      static_assert(std::is_same_v<std::tuple_element_t<inputs + 1, std::remove_cvref_t<decltype(all)>>, int*>);
      if (int* count_out = std::get<inputs + 1>(all)) *count_out = count;
    }
    std::uint64_t* handle_out = std::get<inputs>(all);
    if (handle_out && (ok || kind == shape::texts)) {
      if constexpr (kind == shape::records)
        *handle_out = kv_object::kv_List::pool_kvList_array(result);
      else
        *handle_out = python_utility::set_obj_topool(result);
    }
    return ok;
  } catch (...) {
    kv_registry::record_caught_exception(name);
    return false;
  }
}

}  // namespace

#define KV_PYTHON_LIST_EXPORT(name, params, args, description) \
  bool py_##name params noexcept { return call<&KV_COBALT::name>("py_" #name, KV_PYTHON_ARGUMENTS args); }
#define KV_PYTHON_ARGUMENTS(...) __VA_ARGS__
KV_LIST_FUNCTIONS(KV_PYTHON_LIST_EXPORT)
#undef KV_PYTHON_LIST_EXPORT
#undef KV_PYTHON_ARGUMENTS
