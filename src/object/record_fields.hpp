#pragma once
// The key operations of a record, written once over its fields in key order:
// each record lists its fields as a tuple of keyed_field and forwards here.
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "object/kv_list.hpp"

namespace kv_object::record_fields {

template <class T>
struct keyed_field {
  const char* key;
  const char* type_name;
  kv_LitsItem_inner<T>& holder;
  bool read_from_lua = true;  // whether set_value_from_luatable writes it
};

template <class T>
pyvar to_pyvar(const T& value) {
  if constexpr (std::is_pointer_v<T>)
    return pyvar(std::in_place_type<void*>, const_cast<void*>(static_cast<const void*>(value)));
  else
    return pyvar(std::in_place_type<T>, value);
}

// Only the field's own alternative is stored: no widening, no narrowing.
template <class T>
void store(kv_LitsItem_inner<T>& holder, const pyvar& value) {
  if constexpr (std::is_pointer_v<T>) {
    if (auto* pointer = std::get_if<void*>(&value)) holder.value = static_cast<T>(*pointer);
  } else if (auto* same = std::get_if<T>(&value)) {
    holder.value = *same;
  }
}

template <class Fields>
void each_present(const Fields& fields, field_sink& sink) {
  std::apply(
      [&](const auto&... field) {
        auto give = [&](const auto& one) {
          using T = std::remove_cvref_t<decltype(one.holder.value)>;
          if (!one.holder.present) return;
          if constexpr (std::is_same_v<T, std::string>)
            sink.text(one.key, one.holder.value);
          else if constexpr (std::is_pointer_v<T>)
            sink.handle(one.key, const_cast<void*>(static_cast<const void*>(one.holder.value)));
          else if constexpr (std::is_same_v<T, double>)
            sink.number(one.key, one.holder.value);
          else
            sink.integer(one.key, one.holder.value);
        };
        (give(field), ...);
      },
      fields);
}

template <class Fields>
int size(const Fields& fields) {
  return std::apply([](const auto&... field) { return (0 + ... + (field.holder.present ? 1 : 0)); }, fields);
}

template <class Fields>
std::pair<std::string, std::string> key_info(const Fields& fields, int i) {
  std::pair<std::string, std::string> found;
  bool matched = false;
  int position = 0;
  std::apply(
      [&](const auto&... field) {
        ((field.holder.present && !matched && position++ == i ? (found = {field.key, field.type_name}, matched = true)
                                                              : false),
         ...);
      },
      fields);
  if (!matched) throw std::out_of_range("out of range");
  return found;
}

template <class Fields>
pyvar value(const Fields& fields, const std::string& key) {
  pyvar found;
  std::apply(
      [&](const auto&... field) {
        (void)((key == field.key ? (found = to_pyvar(field.holder.value), true) : false) || ...);
      },
      fields);
  return found;
}

template <class Fields>
void set(const Fields& fields, const std::string& key, const pyvar& new_value) {
  std::apply(
      [&](const auto&... field) { (void)((key == field.key ? (store(field.holder, new_value), true) : false) || ...); },
      fields);
}

}  // namespace kv_object::record_fields
