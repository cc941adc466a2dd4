#include "binding/registered/list_transport.hpp"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "binding/list_builder.hpp"
#include "binding/list_functions.hpp"
#include "binding/registered/list_encoding.hpp"
#include "entry/definition.hpp"
#include "entry/need_big.hpp"
#include "entry/operation.hpp"
#include "utility/utility.hpp"

namespace KV_COBALT {
namespace {

using list_binding::builder_traits;
using list_binding::c_input;
using list_binding::shape;

// The last list, until the next: its handles and what the NeedBig buffer
// could not take of its bytes. Scripts run on the host's main thread, but a
// list call may come while the Lua file still reads another (a debug hook,
// a finalizer): every read names its list, and only the last is answered.
struct pending_list {
  int id = 0;  // 0: none
  std::vector<void*> handles;
  std::string bytes;     // escaped, where the buffer could not take them as they are
  std::size_t size = 0;  // of all the list's bytes, as delivered
};
pending_list pending;

int next_list_id() {
  static int last = 0;
  last = last == INT_MAX ? 1 : last + 1;
  return last;
}

// Whether list names the last list, the only one read.
bool is_pending(int list) { return list != 0 && list == pending.id; }

template <class Element, class List>
void encode(const List& list, list_encoding::list_encoder& encoder) {
  constexpr shape kind = list_binding::shape_of<Element>();
  if constexpr (kind == shape::records) {
    for (auto&& record : list) encoder.record(record);
  } else if constexpr (kind == shape::texts) {
    for (const std::string& text : list) encoder.text(text);
  } else {
    for (auto* handle : list) encoder.handle(handle);
  }
}

// The list's bytes behind a mark: "R" when the host grew the buffer to hold
// them exactly, else "E" escaped free of NUL bytes, of which the buffer
// holds the start up to a NUL and the rest stays pending (also in a buffer
// the host grew to another size than asked).
std::size_t deliver(std::string bytes, char*& buffer, int& size) {
  const std::size_t marked = bytes.size() + 1;
  if (grow_need_big(buffer, size, marked)) {
    buffer[0] = 'R';
    std::copy(bytes.begin(), bytes.end(), buffer + 1);
    return marked;
  }
  std::string escaped = "E" + list_encoding::escape(bytes);
  if (escaped.size() >= INT_MAX) throw std::length_error("list too long for a script");
  write_need_big_start(buffer, size, escaped);
  pending.bytes = std::move(escaped);
  return pending.bytes.size();
}

// The record's Lua table, as the C module's, and its bytes in the buffer
// and in the Lua strings that carry them.
constexpr std::size_t lua_bytes_per_record = 190 + 3 * 48;

template <auto Builder, class Inputs = typename builder_traits<Builder>::inputs>
struct transport;
template <auto Builder, class... In>
struct transport<Builder, std::tuple<In...>> {
  using traits = builder_traits<Builder>;

  static bool run(std::tuple<In...> inputs, int* countOut, int* listIdOut, int* handlesOut, int* listSizeOut,
                  char* listOutNeedBig, int listOutNeedBig_sz) {
    pending = {};
    typename traits::list result;
    int count = 0;
    bool ok = false;
    {
      const kv_object::binding_row_cost cost(lua_bytes_per_record);
      ok = traits::call(inputs, result, count);
    }
    list_encoding::list_encoder encoder;
    encode<typename traits::element>(result, encoder);
    result = {};
    pending.handles = encoder.handles();
    pending.size = deliver(encoder.finish(), listOutNeedBig, listOutNeedBig_sz);
    pending.id = next_list_id();
    kv_utility::write_out(countOut, count);
    kv_utility::write_out(listIdOut, pending.id);
    kv_utility::write_out(handlesOut, static_cast<int>(pending.handles.size()));
    kv_utility::write_out(listSizeOut, static_cast<int>(pending.size));
    return ok;
  }

  static bool counted(c_input<In>... in, int* countOut, int* listIdOut, int* handlesOut, int* listSizeOut,
                      char* listOutNeedBig, int listOutNeedBig_sz) {
    return run(std::tuple<In...>(in...), countOut, listIdOut, handlesOut, listSizeOut, listOutNeedBig,
               listOutNeedBig_sz);
  }
  static bool plain(c_input<In>... in, int* listIdOut, int* handlesOut, int* listSizeOut, char* listOutNeedBig,
                    int listOutNeedBig_sz) {
    return run(std::tuple<In...>(in...), nullptr, listIdOut, handlesOut, listSizeOut, listOutNeedBig,
               listOutNeedBig_sz);
  }
  static constexpr auto function = [] {
    if constexpr (traits::counted)
      return &counted;
    else
      return &plain;
  }();
};

// The rest of the list's pending bytes from offset on (none where the
// buffer took them all); false for a list that is not the last, or past
// its end. Escaped bytes hold no NUL: the Lua file reads a piece up to one.
bool ListText(int list, int offset, char* textOutNeedBig, int textOutNeedBig_sz) {
  if (!is_pending(list) || offset < 0 || static_cast<std::size_t>(offset) > pending.size) return false;
  const std::string_view bytes = pending.bytes;
  write_need_big(textOutNeedBig, textOutNeedBig_sz,
                 bytes.substr(std::min(bytes.size(), static_cast<std::size_t>(offset))));
  return true;
}

// The list's handle at index (from 0); null for a list that is not the
// last, past the end or for a null handle.
MediaTrack* ListTrack(int list, int index) {
  if (!is_pending(list) || index < 0 || static_cast<std::size_t>(index) >= pending.handles.size()) return nullptr;
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
  while (inputs_end < names.length &&
         std::string_view(all + inputs_end, names.length - inputs_end).substr(0, stop.size()) != stop)
    ++inputs_end;
  w.put('(');
  for (std::size_t i = 0; i < inputs_end; ++i) w.put(all[i]);
  if (counted) w.put("countOut,");
  w.put("listIdOut,handlesOut,listSizeOut,listOutNeedBig,listOutNeedBig_sz)");
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

#define KV_TRANSPORT_KEYS(registered)                                                                          \
  "API_" registered, "APIdef_" registered, "APIvararg_" registered, "-API_" registered, "-APIdef_" registered, \
      "-APIvararg_" registered

template <auto F, kv_registry::fixed_string Name, kv_registry::fixed_string Names, kv_registry::fixed_string Help>
constexpr api_record row(const char* api, const char* definition_key, const char* vararg_key,
                         const char* unregister_api, const char* unregister_definition, const char* unregister_vararg) {
  return api_record{reinterpret_cast<void*>(&kv_registry::guarded<F, Name>::call),
                    kv_registry::vararg<&kv_registry::guarded<F, Name>::call>,
                    definition_of<F, Names, Help>(),
                    api,
                    definition_key,
                    vararg_key,
                    unregister_api,
                    unregister_definition,
                    unregister_vararg};
}

#define KV_TRANSPORT_ROW(name, params, args, description)                                                         \
  row<transport<&name>::function, "KV_COBALT_" #name, transport_names<#params, builder_traits<&name>::counted>(), \
      "[KV:LUA]The Lua module's KV_" #name " inside REAPER; scripts call KV_COBALT.KV_" #name>(                   \
      KV_TRANSPORT_KEYS("KV_COBALT_" #name)),

const api_record records[] = {
    KV_LIST_FUNCTIONS(KV_TRANSPORT_ROW)
        row<&ListText, "KV_COBALT_ListText", "(list, offset, textOutNeedBig, textOutNeedBig_sz)",
            "[KV:LUA]The rest of the last list's bytes for the Lua module">(KV_TRANSPORT_KEYS("KV_COBALT_ListText")),
    row<&ListTrack, "KV_COBALT_ListTrack", "(list, index)", "[KV:LUA]A track of the last list for the Lua module">(
        KV_TRANSPORT_KEYS("KV_COBALT_ListTrack"))};
#undef KV_TRANSPORT_ROW
#undef KV_TRANSPORT_KEYS

}  // namespace

const api_table list_transport_table{records, static_cast<int>(sizeof records / sizeof records[0])};

}  // namespace KV_COBALT
