#pragma once
// Handles of media objects as scripts and extensions see them, and the way
// back: a handle is found only when it points at a live object.
#include "host_types.hpp"
#include "media.hpp"

// Opaque to everyone outside the host, like the other host handles.
struct PCM_source;
struct AudioAccessor;

namespace kvhost::model {

inline MediaItem* handle(item* object) { return reinterpret_cast<MediaItem*>(object); }
inline MediaItem_Take* handle(take* object) { return reinterpret_cast<MediaItem_Take*>(object); }
inline TrackEnvelope* handle(envelope* object) { return reinterpret_cast<TrackEnvelope*>(object); }
inline PCM_source* handle(source* object) { return reinterpret_cast<PCM_source*>(object); }
inline BR_Envelope* handle(envelope_copy* object) { return reinterpret_cast<BR_Envelope*>(object); }
inline AudioAccessor* handle(audio_accessor* object) { return reinterpret_cast<AudioAccessor*>(object); }

inline item* find_item(MediaItem* h) { return live<item>::find(h); }
inline take* find_take(MediaItem_Take* h) { return live<take>::find(h); }
inline envelope* find_envelope(TrackEnvelope* h) { return live<envelope>::find(h); }
inline source* find_source(PCM_source* h) { return live<source>::find(h); }
inline envelope_copy* find_envelope_copy(BR_Envelope* h) { return live<envelope_copy>::find(h); }
inline audio_accessor* find_accessor(AudioAccessor* h) { return live<audio_accessor>::find(h); }

}  // namespace kvhost::model
