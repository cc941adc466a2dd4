#pragma once
// What the bindings read from a list builder's signature: its inputs (host
// handles, integers, texts), its list, and whether it reports a count.
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "entry/host_types.hpp"
#include "object/kv_list.hpp"

namespace list_binding {

template <auto Builder>
struct builder_traits;
template <class... A, bool (*Builder)(A...)>
struct builder_traits<Builder> {
  using parameters = std::tuple<A...>;
  static constexpr std::size_t arity = sizeof...(A);
  static constexpr bool counted = std::is_same_v<std::tuple_element_t<arity - 1, parameters>, int&>;
  static constexpr std::size_t input_count = arity - (counted ? 2 : 1);
  using list = std::remove_reference_t<std::tuple_element_t<input_count, parameters>>;
  using element = std::remove_cvref_t<decltype(*std::declval<list&>().begin())>;
  // The inputs as owned values: texts as strings, the rest as they are.
  template <std::size_t I>
  using input = std::remove_cvref_t<std::tuple_element_t<I, parameters>>;
  using inputs = decltype([]<std::size_t... I>(std::index_sequence<I...>) {
    return std::tuple<input<I>...>{};
  }(std::make_index_sequence<input_count>{}));

  // Calls the builder with the inputs, an empty list and a count.
  template <class Inputs>
  static bool call(Inputs& inputs, list& result, int& count) {
    return std::apply(
        [&](auto&... in) {
          if constexpr (counted)
            return Builder(in..., result, count);
          else
            return Builder(in..., result);
        },
        inputs);
  }
};

// The C type a builder input crosses a C interface as: texts as C strings.
template <class T>
using c_input = std::conditional_t<std::is_same_v<T, std::string>, const char*, T>;

enum class shape { tracks, records, texts };

template <class Element>
constexpr shape shape_of() {
  if constexpr (std::is_same_v<Element, std::string>)
    return shape::texts;
  else if constexpr (std::is_base_of_v<kv_object::kv_List, Element>)
    return shape::records;
  else
    return shape::tracks;
}

}  // namespace list_binding
