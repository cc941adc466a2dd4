#pragma once
// Definition strings and vararg wrappers, derived at compile time from a
// function's C type and its parameter list as written in the declaration.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "host_types.hpp"

namespace kv_registry {

template <std::size_t N>
struct fixed_string {
  char chars[N]{};
  constexpr fixed_string(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
  constexpr fixed_string() = default;
  constexpr std::string_view view() const { return {chars, N - 1}; }
};

// The C spelling of every type that may cross the script interface.
template <class T>
struct type_name;
#define KV_TYPE_NAME(...)                                   \
  template <>                                               \
  struct type_name<__VA_ARGS__> {                           \
    static constexpr std::string_view value = #__VA_ARGS__; \
  };
KV_TYPE_NAME(void)
KV_TYPE_NAME(bool)
KV_TYPE_NAME(int)
KV_TYPE_NAME(double)
KV_TYPE_NAME(void*)
KV_TYPE_NAME(char*)
KV_TYPE_NAME(char**)
KV_TYPE_NAME(const char*)
KV_TYPE_NAME(const char**)
KV_TYPE_NAME(bool*)
KV_TYPE_NAME(int*)
KV_TYPE_NAME(double*)
KV_TYPE_NAME(ReaProject*)
KV_TYPE_NAME(MediaTrack*)
KV_TYPE_NAME(MediaItem*)
KV_TYPE_NAME(MediaItem_Take*)
KV_TYPE_NAME(TrackEnvelope*)
KV_TYPE_NAME(BR_Envelope*)
#undef KV_TYPE_NAME

template <class F>
struct signature;
template <class R, class... A>
struct signature<R(A...)> {
  using result = R;
  static constexpr std::size_t arity = sizeof...(A);
  template <class Sink>
  static constexpr void each_type(Sink&& sink) {
    (sink(type_name<A>::value), ...);
  }
};

struct text_writer {
  char* out = nullptr;  // null: only count
  std::size_t length = 0;
  std::size_t commas = 0;
  constexpr void put(char c) {
    if (out) out[length] = c;
    if (c == ',') ++commas;
    ++length;
  }
  constexpr void put(std::string_view text) {
    for (char c : text) put(c);
  }
};

constexpr bool is_identifier_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// "(const char* a, int b)" -> "a,b": the last identifier of each comma-separated
// declarator. Plain index loops: library searches are not constant under UBSan.
constexpr void write_parameter_names(std::string_view params, text_writer& w) {
  std::size_t begin = 0, end = params.size();
  if (begin < end && params[begin] == '(') ++begin;
  if (end > begin && params[end - 1] == ')') --end;
  bool first = true;
  while (begin < end) {
    std::size_t stop = begin;
    while (stop < end && params[stop] != ',') ++stop;
    std::size_t name_end = stop;
    while (name_end > begin && !is_identifier_char(params[name_end - 1])) --name_end;
    std::size_t name_begin = name_end;
    while (name_begin > begin && is_identifier_char(params[name_begin - 1])) --name_begin;
    if (name_end > name_begin) {
      if (!first) w.put(',');
      for (std::size_t i = name_begin; i < name_end; ++i) w.put(params[i]);
      first = false;
    }
    begin = stop + 1;
  }
}

constexpr std::size_t count_names(std::string_view params) {
  text_writer counter;
  write_parameter_names(params, counter);
  return counter.length == 0 ? 0 : counter.commas + 1;
}

template <class Fn, fixed_string Params, fixed_string Help>
constexpr void write_definition(text_writer& w) {
  using S = signature<Fn>;
  w.put(type_name<typename S::result>::value);
  w.put('\0');
  bool first = true;
  S::each_type([&](std::string_view type) {
    if (!first) w.put(',');
    w.put(type);
    first = false;
  });
  w.put('\0');
  write_parameter_names(Params.view(), w);
  w.put('\0');
  w.put(Help.view());
  w.put('\0');
}

// Four NUL-terminated fields: return type, parameter types, parameter names, help text.
template <class Fn, fixed_string Params, fixed_string Help>
struct definition {
  static_assert(count_names(Params.view()) == signature<Fn>::arity, "every parameter needs a name");
  static constexpr std::size_t size = [] {
    text_writer counter;
    write_definition<Fn, Params, Help>(counter);
    return counter.length;
  }();
  static constexpr std::array<char, size> text = [] {
    std::array<char, size> chars{};
    text_writer w{chars.data()};
    write_definition<Fn, Params, Help>(w);
    return chars;
  }();
};

// Reading one slot of the host's untyped argument array.
template <class T>
T unpack(void* slot) {
  if constexpr (std::is_same_v<T, bool>) {
    return slot != nullptr;
  } else if constexpr (std::is_same_v<T, int>) {
    return static_cast<int>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot)));
  } else if constexpr (std::is_same_v<T, double>) {
    return slot ? *static_cast<const double*>(slot) : 0.0;
  } else {
    static_assert(std::is_pointer_v<T>);
    return reinterpret_cast<T>(slot);
  }
}

template <class R>
void* pack(R value) {
  if constexpr (std::is_same_v<R, bool>) {
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(value ? 1 : 0));
  } else if constexpr (std::is_same_v<R, int>) {
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(value));
  } else {
    static_assert(std::is_pointer_v<R>);
    return const_cast<void*>(reinterpret_cast<const void*>(value));
  }
}

template <auto F>
struct vararg_of;
template <class R, class... A, R (*F)(A...)>
struct vararg_of<F> {
  // A double result has no room in a pointer: the host adds a last slot holding
  // the address that receives it, and gets that address back.
  static constexpr bool double_result = std::is_same_v<R, double>;
  static constexpr int needed = static_cast<int>(sizeof...(A)) + (double_result ? 1 : 0);

  // A short list, or no place for the result, is a malformed call: nothing is called.
  static void* call(void** arglist, int numparms) {
    if (numparms < needed || (needed > 0 && !arglist)) return nullptr;
    if constexpr (double_result) {
      auto* out = static_cast<double*>(arglist[numparms - 1]);
      if (!out) return nullptr;
      *out = invoke(arglist, std::index_sequence_for<A...>{});
      return out;
    } else {
      return invoke(arglist, std::index_sequence_for<A...>{});
    }
  }

 private:
  template <std::size_t... I>
  static auto invoke(void** arglist, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
      F(unpack<A>(arglist[I])...);
      return static_cast<void*>(nullptr);
    } else if constexpr (double_result) {
      return F(unpack<A>(arglist[I])...);
    } else {
      return pack<R>(F(unpack<A>(arglist[I])...));
    }
  }
};

template <auto F>
constexpr vararg_function vararg = &vararg_of<F>::call;

}  // namespace kv_registry
