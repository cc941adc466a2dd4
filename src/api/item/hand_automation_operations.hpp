#pragma once
// A volume automation of an item's active take that rides the level like a
// hand on the fader, and switching the take's envelopes off. Both need the
// SWS extension's envelope functions.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_HAND_AUTOMATION_OPERATIONS(X)                                                                        \
  X(bool, SetMediaItemHANDAUTOMER, (MediaItem* item, int ratioType), "[KV:API]Set Media Item HANDAUTOMER")      \
  X(bool, SetMediaIdHANDAUTOMER, (ReaProject* projID, int itemID, int ratioType),                               \
    "[KV:API]Set Media ID HANDAUTOMER")                                                                         \
  X(bool, SetSelectedMediaIdHANDAUTOMER, (ReaProject* projID, int selectItemID, int ratioType),                 \
    "[KV:API]Set Selected Media ID HANDAUTOMER")

#define KV_ENVELOPE_OFF_OPERATIONS(X)                                                                           \
  X(bool, SetMediaItemEnvelopeAllOFF, (MediaItem* item), "[KV:API]SetMediaItemEnvelopeAllOFF")                  \
  X(bool, SetMediaIdEnvelopeAllOFF, (ReaProject* projID, int itemID), "[KV:API]SetMediaIdEnvelopeAllOFF")       \
  X(bool, SetSelectedMediaIdEnvelopeAllOFF, (ReaProject* projID, int itemID),                                   \
    "[KV:API]SetSelectedMediaIdEnvelopeAllOFF")

namespace KV_COBALT {
KV_HAND_AUTOMATION_OPERATIONS(KV_DECLARE_OPERATION)
KV_ENVELOPE_OFF_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
