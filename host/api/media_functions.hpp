#pragma once
// Host functions scripts use to build and read media, with the host's exact
// C signatures. The extension does not import them; scripts call them.
#include "definition.hpp"
#include "host_types.hpp"
#include "model/media_handles.hpp"

namespace kv_registry {
template <>
struct type_name<PCM_source*> {
  static constexpr std::string_view value = "PCM_source*";
};
template <>
struct type_name<AudioAccessor*> {
  static constexpr std::string_view value = "AudioAccessor*";
};
}  // namespace kv_registry

// X(name, return type, parameter list with names)
#define KVHOST_MEDIA_FUNCTIONS(X)                                                                               \
  X(CountMediaItems, int, (ReaProject * proj))                                                                  \
  X(CountTrackMediaItems, int, (MediaTrack * track))                                                            \
  X(GetTrackMediaItem, MediaItem*, (MediaTrack * tr, int itemidx))                                              \
  X(AddMediaItemToTrack, MediaItem*, (MediaTrack * tr))                                                         \
  X(DeleteTrackMediaItem, bool, (MediaTrack * tr, MediaItem * it))                                              \
  X(GetMediaItem_Track, MediaTrack*, (MediaItem * item))                                                        \
  X(IsMediaItemSelected, bool, (MediaItem * item))                                                              \
  X(AddTakeToMediaItem, MediaItem_Take*, (MediaItem * item))                                                    \
  X(GetMediaItemTake, MediaItem_Take*, (MediaItem * item, int tk))                                              \
  X(GetMediaItemNumTakes, int, (MediaItem * item))                                                              \
  X(SetActiveTake, void, (MediaItem_Take * take))                                                               \
  X(GetMediaItemTake_Item, MediaItem*, (MediaItem_Take * take))                                                 \
  X(GetTakeName, const char*, (MediaItem_Take * take))                                                          \
  X(GetMediaItemTakeInfo_Value, double, (MediaItem_Take * take, const char* parmname))                          \
  X(SetMediaItemTakeInfo_Value, bool, (MediaItem_Take * take, const char* parmname, double newvalue))           \
  X(GetSetMediaItemTakeInfo_String, bool,                                                                       \
    (MediaItem_Take * tk, const char* parmname, char* stringNeedBig, bool setNewValue))                         \
  X(PCM_Source_CreateFromFile, PCM_source*, (const char* filename))                                             \
  X(PCM_Source_Destroy, void, (PCM_source * src))                                                               \
  X(SetMediaItemTake_Source, bool, (MediaItem_Take * take, PCM_source * source))                                \
  X(GetMediaItemTake_Source, PCM_source*, (MediaItem_Take * take))                                              \
  X(GetMediaSourceSampleRate, int, (PCM_source * source))                                                       \
  X(GetMediaSourceNumChannels, int, (PCM_source * source))                                                      \
  X(GetMediaSourceLength, double, (PCM_source * source, bool* lengthIsQNOut))                                   \
  X(GetMediaSourceFileName, void, (PCM_source * source, char* filenamebufOut, int filenamebufOut_sz))           \
  X(CreateTakeAudioAccessor, AudioAccessor*, (MediaItem_Take * take))                                           \
  X(GetAudioAccessorSamples, int,                                                                               \
    (AudioAccessor * accessor, int samplerate, int numchannels, double starttime_sec, int numsamplesperchannel, \
     double* samplebuffer))                                                                                     \
  X(DestroyAudioAccessor, void, (AudioAccessor * accessor))                                                     \
  X(CountEnvelopePoints, int, (TrackEnvelope * envelope))                                                       \
  X(GetEnvelopePoint, bool,                                                                                     \
    (TrackEnvelope * envelope, int ptidx, double* timeOut, double* valueOut, int* shapeOut, double* tensionOut, \
     bool* selectedOut))                                                                                        \
  X(InsertEnvelopePoint, bool,                                                                                  \
    (TrackEnvelope * envelope, double time, double value, int shape, double tension, bool selected,             \
     bool* noSortInOptional))                                                                                   \
  X(GetEnvelopeName, bool, (TrackEnvelope * env, char* bufOut, int bufOut_sz))                                  \
  X(ValidatePtr, bool, (void* pointer, const char* ctypename))                                                  \
  X(Envelope_Evaluate, int,                                                                                     \
    (TrackEnvelope * envelope, double time, double samplerate, int samplesRequested, double* valueOut,          \
     double* dVdSOut, double* ddVdSOut, double* dddVdSOut))
