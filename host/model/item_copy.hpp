#pragma once
// Items made from other items: copies (the clipboard, pasting) and the right
// part of a split. Copies get new identities, as REAPER gives pasted and
// split items.
#include "project.hpp"

namespace kvhost::model {

// A copy of the item, its takes, their sources and take envelopes, added to
// onto (of any project); not selected.
item& copy_item(const item& from, track& onto);

// Splits at project time at, strictly inside the item: the item keeps the left
// part and the right part is returned; null, changing nothing, otherwise.
item* split_item(item& member, double at);

}  // namespace kvhost::model
