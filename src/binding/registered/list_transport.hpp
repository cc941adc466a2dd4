#pragma once
// The list functions as script functions the extension registers, for the
// module's Lua file: REAPER keeps its Lua's C API to itself, so inside
// REAPER the lists reach Lua only through registered functions.
//
// KV_COBALT_<name>(inputs...) runs the list builder and answers ok, the
// count (for the lists that count), the list's id, how many host handles
// the list holds, and the list's bytes (list_encoding.hpp) behind a mark:
// "R" as they are, in a buffer the host grew to hold them, or "E" escaped,
// of which the part the buffer could not take comes from
// KV_COBALT_ListText(id, offset). The handles come one by one from
// KV_COBALT_ListTrack(id, i). Only the last list is read: a read naming
// another is refused.
#include "entry/registry.hpp"

namespace KV_COBALT {

extern const api_table list_transport_table;

}  // namespace KV_COBALT
