#pragma once
// Opaque handles and the information record, laid out as the host lays them out.

struct ReaProject;
struct MediaTrack;
struct MediaItem;
struct MediaItem_Take;
struct TrackEnvelope;
struct BR_Envelope;

struct reaper_plugin_info_t {
  int caller_version;
  void* hwnd_main;
  int (*Register)(const char* name, void* infostruct);
  void* (*GetFunc)(const char* name);
};

using vararg_function = void* (*)(void** arglist, int numparms);
