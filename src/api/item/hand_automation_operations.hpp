#pragma once
// A volume automation of an item's active take that rides the level like a
// hand on the fader, and switching the take's envelopes off. Both need the
// SWS extension's envelope functions.
#include "entry/host_types.hpp"
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_HAND_AUTOMATION_OPERATIONS(X)                                                                               \
  X(bool, SetMediaItemHANDAUTOMER, (MediaItem * item, int ratioType), "[KV:API]Set Media Item HANDAUTOMER",            \
    "Draws a hand-ridden volume envelope on the item's active take (loud 10 ms windows pulled down "                   \
    "towards a target level, quieter ones lifted by up to 4 dB, 2 dB after 0.2 s) and renders the take; "              \
    "the item selection is kept. ratioType sets how hard: 0 or less the gentlest, then 1, 2, and 3 or "                \
    "more the strongest. False for a null item or one of no project (a deleted item), without the "                    \
    "SWS extension (after asking whether to open its page), or when the take's volume envelope "                       \
    "cannot be had.")                                                                                                  \
  X(bool, SetMediaIdHANDAUTOMER, (ReaProject * projID, int itemID, int ratioType), "[KV:API]Set Media ID HANDAUTOMER", \
    "As KV_SetMediaItemHANDAUTOMER for the item at itemID among all items of the project; false when "                 \
    "the index names no item.")                                                                                        \
  X(bool, SetSelectedMediaIdHANDAUTOMER, (ReaProject * projID, int selectItemID, int ratioType),                       \
    "[KV:API]Set Selected Media ID HANDAUTOMER",                                                                       \
    "As KV_SetMediaItemHANDAUTOMER for the selected item at selectItemID; false when the index names "                 \
    "no item.")

#define KV_ENVELOPE_OFF_OPERATIONS(X)                                                                      \
  X(bool, SetMediaItemEnvelopeAllOFF, (MediaItem * item), "[KV:API]SetMediaItemEnvelopeAllOFF",            \
    "Switches every envelope of the item's active take off; false for a null item, one of no project "     \
    "(a deleted item), or without the SWS extension (after asking whether to open its page).")             \
  X(bool, SetMediaIdEnvelopeAllOFF, (ReaProject * projID, int itemID), "[KV:API]SetMediaIdEnvelopeAllOFF", \
    "As KV_SetMediaItemEnvelopeAllOFF for the item at itemID among all items of the project; false "       \
    "when the index names no item.")                                                                       \
  X(bool, SetSelectedMediaIdEnvelopeAllOFF, (ReaProject * projID, int itemID),                             \
    "[KV:API]SetSelectedMediaIdEnvelopeAllOFF",                                                            \
    "As KV_SetMediaItemEnvelopeAllOFF for the selected item at itemID (an index among the selected "       \
    "items); false when the index names no item.")

namespace KV_COBALT {
KV_HAND_AUTOMATION_OPERATIONS(KV_DECLARE_OPERATION)
KV_ENVELOPE_OFF_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
