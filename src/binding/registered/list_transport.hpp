#pragma once
// The list functions as script functions the extension registers, for the
// module's Lua file: REAPER keeps its Lua's C API to itself, so inside
// REAPER the lists reach Lua only through registered functions.
//
// KV_COBALT_<name>(inputs...) runs the list builder and answers ok, the
// count (for the lists that count), how many host handles the list holds,
// and the list as Lua source of that many bytes. The handles come one by
// one from KV_COBALT_ListTrack(i), and the rest of a source the NeedBig
// buffer could not take from KV_COBALT_ListText(offset).
#include "entry/registry.hpp"

namespace KV_COBALT {

extern const api_table list_transport_table;

}  // namespace KV_COBALT
