-- The track functions are registered first, in this order, with exactly these
-- definitions: result, parameter types and names, help text.

local expected = {
  {"KV_GetTrackItemSelect", "MediaTrack*", "ReaProject* projID, int trackID, int trackType", "[KV:API]Get track item select"},
  {"KV_GetSelectedTrackFirstInfo", "MediaTrack*", "ReaProject* projID, int* trackIdOut", "[KV:API]Get select track first info"},
  {"KV_InsertTrackId", "MediaTrack*", "ReaProject* projID, int trackID", "[KV:API]Insert Track Out TrackItem"},
  {"KV_InsertChildTrack", "MediaTrack*", "MediaTrack* parentTrack, int* trackIdOut", "[KV:API]Insert Child Track"},
  {"KV_InsertTrackSearchUniqueOnly", "MediaTrack*", "ReaProject* projID, const char* setTrackName, int* trackIdOut", "[KV:API]Insert Track Unique Only"},
  {"KV_GetTrackItemIndex", "bool", "MediaTrack* track, int* trackIdOut", "[KV:API]Get Track Item Index"},
  {"KV_GetTrackCountSelect", "bool", "ReaProject* projID, int trackType, int* countOut", "[KV:API]Get track count select"},
  {"KV_GetTrackItemMute", "bool", "MediaTrack* track, bool* muteOut", "[KV:API]Get track item mute"},
  {"KV_GetTrackIdMute", "bool", "ReaProject* projID, int trackId, bool* muteOut", "[KV:API]Get track id mute"},
  {"KV_GetSelectedTrackIdMute", "bool", "ReaProject* projID, int selectTrackId, bool* muteOut", "[KV:API]Get select track id mute"},
  {"KV_SetTrackItemMute", "bool", "MediaTrack* track, bool setMute", "[KV:API]Set track item mute"},
  {"KV_SetTrackIdMute", "bool", "ReaProject* projID, int trackID, bool setMute", "[KV:API]Set track id mute"},
  {"KV_SetSelectedTrackIdMute", "bool", "ReaProject* projID, int selectTrackID, bool setMute", "[KV:API]Set select track id mute"},
  {"KV_SetTrackAllMuteOFF", "bool", "ReaProject* projID", "[KV:API]Set Track All Mute Off"},
  {"KV_GetTrackItemSolo", "bool", "MediaTrack* track, bool* soloOut", "[KV:API]Get Track Item Solo"},
  {"KV_GetTrackIdSolo", "bool", "ReaProject* projID, int trackID, bool* soloOut", "[KV:API]Get Track Id Solo"},
  {"KV_GetSelectedTrackIdSolo", "bool", "ReaProject* projID, int selectTrackID, bool* soloOut", "[KV:API]Get Select Track Id Solo"},
  {"KV_SetTrackItemSolo", "bool", "MediaTrack* track, bool setSolo", "[KV:API]Set Track Item Solo"},
  {"KV_SetTrackIdSolo", "bool", "ReaProject* projID, int trackID, bool setSolo", "[KV:API]Set Track Id Solo"},
  {"KV_SetSelectedTrackIdSolo", "bool", "ReaProject* projID, int selectTrackID, bool setSolo", "[KV:API]Set Select Track Id Solo"},
  {"KV_SetTrackAllSoloOFF", "bool", "ReaProject* projID", "[KV:API]Set Track All Solo Off"},
  {"KV_GetTrackItemColor", "bool", "MediaTrack* track, int* colorOut, int* rOut, int* gOut, int* bOut", "[KV:API]Get Track Item Color RGB"},
  {"KV_GetTrackIdColor", "bool", "ReaProject* projID, int trackID, int* colorOut, int* rOut, int* gOut, int* bOut", "[KV:API]Get Track Item Color RGB"},
  {"KV_GetSelectedTrackIdColor", "bool", "ReaProject* projID, int selectTrackID, int* colorOut, int* rOut, int* gOut, int* bOut", "[KV:API]Get Selected Track Item Color RGB"},
  {"KV_SetTrackItemColor", "bool", "MediaTrack* track, int setColor", "[KV:API]SetTrack Item Color"},
  {"KV_SetTrackIdColor", "bool", "ReaProject* projID, int trackID, int setColor", "[KV:API]Set Track Id Color"},
  {"KV_SetSelectedTrackIdColor", "bool", "ReaProject* projID, int selectTrackID, int setColor", "[KV:API]Set Selected Track Id Color"},
  {"KV_SetTrackItemRGB", "bool", "MediaTrack* track, int setR, int setG, int setB", "[KV:API]Set Track Item RGB"},
  {"KV_SetTrackIdRGB", "bool", "ReaProject* projID, int trackID, int setR, int setG, int setB", "[KV:API]Set Track Id RGB"},
  {"KV_SetSelectedTrackIdRGB", "bool", "ReaProject* projID, int selectTrackID, int setR, int setG, int setB", "[KV:API]Set Selected Track Id RGB"},
  {"KV_GetTrackItemDepth", "bool", "MediaTrack* track, int* depthOut", "[KV:API]Get Track Item Depth"},
  {"KV_GetTrackIdDepth", "bool", "ReaProject* projID, int trackID, int* depthOut", "[KV:API]Get Track Id Depth"},
  {"KV_GetSelectedTrackIdDepth", "bool", "ReaProject* projID, int selectTrackID, int* depthOut", "[KV:API]Get Select Track Id Depth"},
  {"KV_SetTrackItemDepth", "bool", "MediaTrack* track, int setDepth", "[KV:API]Set Track Item Depth"},
  {"KV_SetTrackIdDepth", "bool", "ReaProject* projID, int trackID, int setDepth", "[KV:API]Set Track Id Depth"},
  {"KV_SetSelectedTrackIdDepth", "bool", "ReaProject* projID, int selectTrackID, int setDepth", "[KV:API]Set Selected Track Id Depth"},
  {"KV_GetTrackItemName", "bool", "MediaTrack* track, char* nameOut, int nameOut_sz", "[KV:API]Get track item name"},
  {"KV_GetTrackIdName", "bool", "ReaProject* projID, int trackID, char* nameOut, int nameOut_sz", "[KV:API]Get track name"},
  {"KV_GetSelectedTrackIdName", "bool", "ReaProject* projID, int trackID, char* nameOut, int nameOut_sz", "[KV:API]Get select track name"},
  {"KV_SetTrackItemName", "bool", "MediaTrack* track, const char* setName", "[KV:API]Set track item name"},
  {"KV_SetTrackIdName", "bool", "ReaProject* projID, int trackID, const char* setName", "[KV:API]Set track name"},
  {"KV_SetSelectedTrackIdName", "bool", "ReaProject* projID, int selectTrackID, const char* setName", "[KV:API]Set select track name"},
  {"KV_SetTrackIdSelected", "bool", "ReaProject* projID, int trackID, bool setSelectType", "[KV:API]Set Track Selected"},
  {"KV_SetTrackItemOnlySelected", "bool", "MediaTrack* track", "[KV:API]Set TrackItem  Only Selected"},
  {"KV_SetTrackIdOnlySelected", "bool", "ReaProject* projID, int trackID", "[KV:API]Set Track Only Selected"},
  {"KV_GetTrackItemVolume", "bool", "MediaTrack* track, double* volumeOut", "[KV:API]Get Track Item Volume"},
  {"KV_GetTrackIdVolume", "bool", "ReaProject* projID, int trackID, double* volumeOut", "[KV:API]Get Track Volume"},
  {"KV_GetSelectedTrackIdVolume", "bool", "ReaProject* projID, int selectTrackID, double* volumeOut", "[KV:API]Get Select Track Volume"},
  {"KV_SetTrackItemVolume", "bool", "MediaTrack* track, double setVolume", "[KV:API]Set Track Item Volume"},
  {"KV_SetTrackIdVolume", "bool", "ReaProject* projID, int trackID, double setVolume", "[KV:API]Set track volume"},
  {"KV_SetSelectedTrackIdVolume", "bool", "ReaProject* projID, int selectTrackID, double setVolume", "[KV:API]Set Select Track volume"},
  {"KV_SetTrackItemAddVolume", "bool", "MediaTrack* track, double addVolume", "[KV:API]Set Track Item Add Volume"},
  {"KV_SetTrackIdAddVolume", "bool", "ReaProject* projID, int trackID, double addVolume", "[KV:API]Set Track Id Add Volume"},
  {"KV_SetSelectedTrackIdAddVolume", "bool", "ReaProject* projID, int selectTrackID, double addVolume", "[KV:API]Set Select Track Id Add Volume"},
  {"KV_DeleteTrackIdSelect", "bool", "ReaProject* projID, int trackID, int trackType", "[KV:API]Delete trackID Select"},
}

local names = kvhost.functions()
for i, row in ipairs(expected) do
  local name, result, signature, help = table.unpack(row)
  assert(names[i] == name, "position " .. i .. ": " .. tostring(names[i]))
  local got_result, types, params, got_help = kvhost.definition(name)
  assert(got_result == result, name)
  assert(got_help == help, name .. ": " .. got_help)
  local declared = {}
  for j = 1, #types do declared[#declared + 1] = types[j] .. " " .. params[j] end
  assert(table.concat(declared, ", ") == signature, name .. ": " .. table.concat(declared, ", "))
end
assert(names[#expected + 1] == "KV_CheckSameString", "the string functions follow the track functions")
