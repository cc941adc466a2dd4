#pragma once
// Every registered operation, in registration order, group by group.
#include "api/item/hand_automation_operations.hpp"
#include "api/item/item_action_operations.hpp"
#include "api/item/loudness_operations.hpp"
#include "api/number/number_operations.hpp"
#include "api/project/marker_operations.hpp"
#include "api/text/file_operations.hpp"
#include "api/text/path_operations.hpp"
#include "api/text/string_operations.hpp"
#include "api/track/track_color_operations.hpp"
#include "api/track/track_depth_operations.hpp"
#include "api/track/track_insert_operations.hpp"
#include "api/track/track_lookup_operations.hpp"
#include "api/track/track_name_operations.hpp"
#include "api/track/track_select_operations.hpp"
#include "api/track/track_switch_operations.hpp"
#include "api/track/track_volume_operations.hpp"

// clang-format off
#define KV_TRACK_OPERATIONS(X)                                                           \
  KV_TRACK_LOOKUP_OPERATIONS(X) KV_TRACK_INSERT_OPERATIONS(X) KV_TRACK_INDEX_OPERATIONS(X) \
  KV_TRACK_SWITCH_OPERATIONS(X) KV_TRACK_COLOR_OPERATIONS(X) KV_TRACK_DEPTH_OPERATIONS(X)  \
  KV_TRACK_NAME_OPERATIONS(X) KV_TRACK_SELECT_OPERATIONS(X) KV_TRACK_VOLUME_OPERATIONS(X)  \
  KV_TRACK_DELETE_OPERATIONS(X)
// clang-format on

#define KV_ITEM_OPERATIONS(X)      \
  KV_HAND_AUTOMATION_OPERATIONS(X) \
  KV_LOUDNESS_OPERATIONS(X) KV_ITEM_ACTION_OPERATIONS(X) KV_ITEM_RENDER_OPERATIONS(X) KV_ENVELOPE_OFF_OPERATIONS(X)

#define KV_ALL_OPERATIONS(X) \
  KV_TRACK_OPERATIONS(X)     \
  KV_STRING_OPERATIONS(X)    \
  KV_PATH_OPERATIONS(X)      \
  KV_FILE_COPY_OPERATIONS(X) \
  KV_NUMBER_OPERATIONS(X)    \
  KV_MARKER_OPERATIONS(X)    \
  KV_FILE_TEXT_OPERATIONS(X) \
  KV_ITEM_OPERATIONS(X)
