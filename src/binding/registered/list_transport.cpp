#include "binding/registered/list_transport.hpp"

#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "binding/list_builder.hpp"
#include "binding/list_functions.hpp"
#include "binding/registered/lua_source.hpp"
#include "entry/definition.hpp"
#include "entry/need_big.hpp"
#include "entry/operation.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

using list_binding::builder_traits;
using list_binding::shape;

// The last list, until the next: its handles and what the NeedBig buffer
// could not take of its source. Scripts run on the host's main thread, and
// the Lua file reads a list whole before it calls again.
struct pending_list {
  std::vector<void*> handles;
  std::string source;
};
pending_list pending;

template <class Element, class List>
void write_list(const List& list, lua_source::list_writer& writer) {
  constexpr shape kind = list_binding::shape_of<Element>();
  if constexpr (kind == shape::records) {
    for (auto&& record : list) writer.record(record);
  } else if constexpr (kind == shape::texts) {
    for (const std::string& text : list) writer.text(text);
  } else {
    writer.handles_only(std::vector<void*>(list.begin(), list.end()));
  }
}

// How a builder input crosses the script interface.
template <class T>
using c_type = std::conditional_t<std::is_same_v<T, std::string>, const char*, T>;

template <auto Builder, class Inputs = typename builder_traits<Builder>::inputs>
struct transport;
template <auto Builder, class... In>
struct transport<Builder, std::tuple<In...>> {
  using traits = builder_traits<Builder>;

  static bool run(std::tuple<In...> inputs, int* countOut, int* handlesOut, int* sourceSizeOut,
                  char* sourceOutNeedBig, int sourceOutNeedBig_sz) {
    pending = {};
    typename traits::list result;
    int count = 0;
    const bool ok = traits::call(inputs, result, count);
    lua_source::list_writer writer;
    write_list<typename traits::element>(result, writer);
    std::string source = writer.finish();
    kv_utility::write_out(countOut, count);
    kv_utility::write_out(handlesOut, static_cast<int>(writer.handles().size()));
    kv_utility::write_out(sourceSizeOut, static_cast<int>(source.size()));
    pending.handles = writer.handles();
    write_need_big(sourceOutNeedBig, sourceOutNeedBig_sz, source);
    if (sourceOutNeedBig_sz < static_cast<int>(source.size())) pending.source = std::move(source);
    return ok;
  }

  static bool counted(c_type<In>... in, int* countOut, int* handlesOut, int* sourceSizeOut, char* sourceOutNeedBig,
                      int sourceOutNeedBig_sz) {
    return run(std::tuple<In...>(in...), countOut, handlesOut, sourceSizeOut, sourceOutNeedBig, sourceOutNeedBig_sz);
  }
  static bool plain(c_type<In>... in, int* handlesOut, int* sourceSizeOut, char* sourceOutNeedBig,
                    int sourceOutNeedBig_sz) {
    return run(std::tuple<In...>(in...), nullptr, handlesOut, sourceSizeOut, sourceOutNeedBig, sourceOutNeedBig_sz);
  }
  static constexpr auto function = [] {
    if constexpr (traits::counted)
      return &counted;
    else
      return &plain;
  }();
};

// The rest of the pending source from offset on; false past its end.
bool ListText(int offset, char* textOutNeedBig, int textOutNeedBig_sz) {
  if (offset < 0 || static_cast<std::size_t>(offset) > pending.source.size()) return false;
  write_need_big(textOutNeedBig, textOutNeedBig_sz, std::string_view(pending.source).substr(offset));
  return true;
}

// The pending list's handle at index (from 0); null past the end or for a null handle.
MediaTrack* ListTrack(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= pending.handles.size()) return nullptr;
  return static_cast<MediaTrack*>(pending.handles[static_cast<std::size_t>(index)]);
}

// Parameter names: the builder's inputs as the Python export names them
// (every name before its handleOut), then the transport's outputs. Plain
// loops: library searches are not constant under UBSan.
constexpr void write_transport_names(std::string_view exported, bool counted, kv_registry::text_writer& w) {
  char all[256]{};
  kv_registry::text_writer names{all};
  kv_registry::write_parameter_names(exported, names);
  constexpr std::string_view stop = "handleOut";
  std::size_t inputs_end = 0;
  while (inputs_end < names.length && std::string_view(all + inputs_end, names.length - inputs_end).substr(0, stop.size()) != stop)
    ++inputs_end;
  w.put('(');
  for (std::size_t i = 0; i < inputs_end; ++i) w.put(all[i]);
  if (counted) w.put("countOut,");
  w.put("handlesOut,sourceSizeOut,sourceOutNeedBig,sourceOutNeedBig_sz)");
}

template <kv_registry::fixed_string Exported, bool Counted>
constexpr auto transport_names() {
  constexpr std::size_t size = [] {
    kv_registry::text_writer counter;
    write_transport_names(Exported.view(), Counted, counter);
    return counter.length;
  }();
  kv_registry::fixed_string<size + 1> names{};
  kv_registry::text_writer w{names.chars};
  write_transport_names(Exported.view(), Counted, w);
  return names;
}

template <auto F, kv_registry::fixed_string Names, kv_registry::fixed_string Help>
constexpr const char* definition_of() {
  using function_type = std::remove_pointer_t<decltype(F)>;
  return kv_registry::definition<function_type, Names, Help>::text.data();
}

#define KV_TRANSPORT_KEYS(registered)                                                             \
  "API_" registered, "APIdef_" registered, "APIvararg_" registered, "-API_" registered,            \
      "-APIdef_" registered, "-APIvararg_" registered

template <auto F, kv_registry::fixed_string Names, kv_registry::fixed_string Help>
constexpr api_record row(const char* api, const char* definition_key, const char* vararg_key,
                         const char* unregister_api, const char* unregister_definition,
                         const char* unregister_vararg) {
  return api_record{reinterpret_cast<void*>(&kv_registry::guarded<F>::call),
                    kv_registry::vararg<&kv_registry::guarded<F>::call>,
                    definition_of<F, Names, Help>(),
                    api,
                    definition_key,
                    vararg_key,
                    unregister_api,
                    unregister_definition,
                    unregister_vararg};
}

#define KV_TRANSPORT_ROW(name, params, args, description)                                                      \
  row<transport<&name>::function, transport_names<#params, builder_traits<&name>::counted>(),                   \
      "[KV:LUA]The Lua module's KV_" #name " inside REAPER; scripts call KV_COBALT.KV_" #name>(                \
      KV_TRANSPORT_KEYS("KV_COBALT_" #name)),

const api_record records[] = {
    KV_LIST_FUNCTIONS(KV_TRANSPORT_ROW)
    row<&ListText, "(offset, textOutNeedBig, textOutNeedBig_sz)",
        "[KV:LUA]The rest of the last list's source for the Lua module">(KV_TRANSPORT_KEYS("KV_COBALT_ListText")),
    row<&ListTrack, "(index)", "[KV:LUA]A track of the last list for the Lua module">(
        KV_TRANSPORT_KEYS("KV_COBALT_ListTrack"))};
#undef KV_TRANSPORT_ROW
#undef KV_TRANSPORT_KEYS

}  // namespace

const api_table list_transport_table{records, static_cast<int>(sizeof records / sizeof records[0])};

}  // namespace KV_COBALT
