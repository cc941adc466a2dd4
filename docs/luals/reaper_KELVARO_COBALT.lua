---@meta reaper_KELVARO_COBALT
-- reaper_KELVARO_COBALT: the KV_ functions it registers with REAPER and
-- the module `local kv = require("reaper_KELVARO_COBALT")`, for the Lua language server.
-- Generated from the library's declarations; do not edit.

---@class MediaItem: lightuserdata
---@class MediaTrack: lightuserdata
---@class ReaProject: lightuserdata

---A TrackDetail record: only the fields its list fills are present.
---@class TrackDetail
---@field Name? string
---@field Track? MediaTrack
---@field Volume? number
---@field Index? integer
---@field Depth? integer

---A kv_Peak record: only the fields its list fills are present.
---@class kv_Peak
---@field Time? number
---@field MaxPeak? number
---@field MinPeak? number
---@field Frequency? number
---@field Pos? number
---@field PointVol? number

reaper = reaper or {}

---Returns the track at trackID among all tracks (trackType 0) or among the selected tracks (trackType 1); null for another trackType or an index that names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param trackType integer
---@return MediaTrack|nil track
function reaper.KV_GetTrackItemSelect(projID, trackID, trackType) end

---Returns the first selected track and writes its index among all tracks; null, with nothing written, when no track is selected.
---@param projID ReaProject|nil
---@return MediaTrack|nil track
---@return integer trackId
function reaper.KV_GetSelectedTrackFirstInfo(projID) end

---Inserts a new track at position trackID (held to 0 .. track count) and returns it; null when the host added no track.
---@param projID ReaProject|nil
---@param trackID integer
---@return MediaTrack|nil track
function reaper.KV_InsertTrackId(projID, trackID) end

---Inserts a new track as the last direct child of parentTrack, returns it and writes its index; null for a null track, the master track or a failed insertion.
---@param parentTrack MediaTrack|nil
---@return MediaTrack|nil track
---@return integer trackId
function reaper.KV_InsertChildTrack(parentTrack) end

---Returns the first track named setTrackName, or appends a new track with that name; writes its index. Null when no track could be added.
---@param projID ReaProject|nil
---@param setTrackName string
---@return MediaTrack|nil track
---@return integer trackId
function reaper.KV_InsertTrackSearchUniqueOnly(projID, setTrackName) end

---Writes the track's index among all tracks of its project and returns true; writes 0 and returns false when the track is in no project's list (the master track, a deleted track).
---@param track MediaTrack|nil
---@return boolean ok
---@return integer trackId
function reaper.KV_GetTrackItemIndex(track) end

---Writes the number of tracks (trackType 0) or of selected tracks, the master included when selected (trackType 1); 0 for another trackType. False only without an out-value.
---@param projID ReaProject|nil
---@param trackType integer
---@return boolean ok
---@return integer count
function reaper.KV_GetTrackCountSelect(projID, trackType) end

---Returns whether the track is muted and writes the same; false with the out-value untouched for a null track or a mute value that is neither off nor on.
---@param track MediaTrack|nil
---@return boolean ok
---@return boolean mute
function reaper.KV_GetTrackItemMute(track) end

---As KV_GetTrackItemMute for the track at trackId among all tracks; false, nothing written, when the index names no track.
---@param projID ReaProject|nil
---@param trackId integer
---@return boolean ok
---@return boolean mute
function reaper.KV_GetTrackIdMute(projID, trackId) end

---As KV_GetTrackItemMute for the selected track at selectTrackId; false, nothing written, when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackId integer
---@return boolean ok
---@return boolean mute
function reaper.KV_GetSelectedTrackIdMute(projID, selectTrackId) end

---Mutes (true) or unmutes (false) the track; returns the host's answer, false for a null track.
---@param track MediaTrack|nil
---@param setMute boolean
---@return boolean ok
function reaper.KV_SetTrackItemMute(track, setMute) end

---Mutes or unmutes the track at trackID among all tracks; returns the host's answer, false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param setMute boolean
---@return boolean ok
function reaper.KV_SetTrackIdMute(projID, trackID, setMute) end

---Mutes or unmutes the selected track at selectTrackID; returns the host's answer, false when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setMute boolean
---@return boolean ok
function reaper.KV_SetSelectedTrackIdMute(projID, selectTrackID, setMute) end

---Unmutes every track of the project (the master track keeps its state); always true.
---@param projID ReaProject|nil
---@return boolean ok
function reaper.KV_SetTrackAllMuteOFF(projID) end

---Returns whether the track is soloed in any of the host's solo modes and writes the same; false with the out-value untouched for a null track or an unreadable value.
---@param track MediaTrack|nil
---@return boolean ok
---@return boolean solo
function reaper.KV_GetTrackItemSolo(track) end

---As KV_GetTrackItemSolo for the track at trackID among all tracks; an index that names no track reads as not soloed (false).
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return boolean solo
function reaper.KV_GetTrackIdSolo(projID, trackID) end

---As KV_GetTrackItemSolo for the selected track at selectTrackID; an index that names no track reads as not soloed (false).
---@param projID ReaProject|nil
---@param selectTrackID integer
---@return boolean ok
---@return boolean solo
function reaper.KV_GetSelectedTrackIdSolo(projID, selectTrackID) end

---Solos (true) or unsolos (false) the track; returns the host's answer, false for a null track.
---@param track MediaTrack|nil
---@param setSolo boolean
---@return boolean ok
function reaper.KV_SetTrackItemSolo(track, setSolo) end

---Solos or unsolos the track at trackID among all tracks; returns the host's answer, false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param setSolo boolean
---@return boolean ok
function reaper.KV_SetTrackIdSolo(projID, trackID, setSolo) end

---Solos or unsolos the selected track at selectTrackID; returns the host's answer, false when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setSolo boolean
---@return boolean ok
function reaper.KV_SetSelectedTrackIdSolo(projID, selectTrackID, setSolo) end

---Unsolos every track of the project; always true.
---@param projID ReaProject|nil
---@return boolean ok
function reaper.KV_SetTrackAllSoloOFF(projID) end

---Writes the track's native colour (with the custom-colour bit 0x1000000, 0 when it has none) and its red, green and blue; false for a null track or a missing out-value.
---@param track MediaTrack|nil
---@return boolean ok
---@return integer color
---@return integer r
---@return integer g
---@return integer b
function reaper.KV_GetTrackItemColor(track) end

---As KV_GetTrackItemColor for the track at trackID among all tracks; an index that names no track reads as no colour (0).
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return integer color
---@return integer r
---@return integer g
---@return integer b
function reaper.KV_GetTrackIdColor(projID, trackID) end

---As KV_GetTrackItemColor for the selected track at selectTrackID; an index that names no track reads as no colour (0).
---@param projID ReaProject|nil
---@param selectTrackID integer
---@return boolean ok
---@return integer color
---@return integer r
---@return integer g
---@return integer b
function reaper.KV_GetSelectedTrackIdColor(projID, selectTrackID) end

---Gives the track the native colour setColor, marked as its own colour (bit 0x1000000); false for a null track.
---@param track MediaTrack|nil
---@param setColor integer
---@return boolean ok
function reaper.KV_SetTrackItemColor(track, setColor) end

---As KV_SetTrackItemColor for the track at trackID among all tracks; an index that names no track changes nothing.
---@param projID ReaProject|nil
---@param trackID integer
---@param setColor integer
---@return boolean ok
function reaper.KV_SetTrackIdColor(projID, trackID, setColor) end

---As KV_SetTrackItemColor for the selected track at selectTrackID; an index that names no track changes nothing.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setColor integer
---@return boolean ok
function reaper.KV_SetSelectedTrackIdColor(projID, selectTrackID, setColor) end

---Gives the track the colour of red, green and blue, each held to 0-255, as the host's ColorToNative makes it; false for a null track.
---@param track MediaTrack|nil
---@param setR integer
---@param setG integer
---@param setB integer
---@return boolean ok
function reaper.KV_SetTrackItemRGB(track, setR, setG, setB) end

---As KV_SetTrackItemRGB for the track at trackID among all tracks; an index that names no track changes nothing.
---@param projID ReaProject|nil
---@param trackID integer
---@param setR integer
---@param setG integer
---@param setB integer
---@return boolean ok
function reaper.KV_SetTrackIdRGB(projID, trackID, setR, setG, setB) end

---As KV_SetTrackItemRGB for the selected track at selectTrackID; an index that names no track changes nothing.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setR integer
---@param setG integer
---@param setB integer
---@return boolean ok
function reaper.KV_SetSelectedTrackIdRGB(projID, selectTrackID, setR, setG, setB) end

---Writes the track's folder depth (0 at top level); false for a null track or a missing out-value.
---@param track MediaTrack|nil
---@return boolean ok
---@return integer depth
function reaper.KV_GetTrackItemDepth(track) end

---As KV_GetTrackItemDepth for the track at trackID among all tracks.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return integer depth
function reaper.KV_GetTrackIdDepth(projID, trackID) end

---As KV_GetTrackItemDepth for the selected track at selectTrackID.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@return boolean ok
---@return integer depth
function reaper.KV_GetSelectedTrackIdDepth(projID, selectTrackID) end

---Moves the track to folder depth setDepth by changing the folder state of the track above it; false for a null track or a depth more than one level deeper than the track above allows.
---@param track MediaTrack|nil
---@param setDepth integer
---@return boolean ok
function reaper.KV_SetTrackItemDepth(track, setDepth) end

---As KV_SetTrackItemDepth for the track at trackID among all tracks.
---@param projID ReaProject|nil
---@param trackID integer
---@param setDepth integer
---@return boolean ok
function reaper.KV_SetTrackIdDepth(projID, trackID, setDepth) end

---As KV_SetTrackItemDepth for the selected track at selectTrackID.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setDepth integer
---@return boolean ok
function reaper.KV_SetSelectedTrackIdDepth(projID, selectTrackID, setDepth) end

---Copies the track's name ("Track N" when it has none, "MASTER" for the master track) into the buffer, cut to fit; false for a null track or buffer.
---@param track MediaTrack|nil
---@return boolean ok
---@return string name
function reaper.KV_GetTrackItemName(track) end

---As KV_GetTrackItemName for the track at trackID among all tracks; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return string name
function reaper.KV_GetTrackIdName(projID, trackID) end

---As KV_GetTrackItemName for the selected track at trackID (an index among the selected tracks); false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return string name
function reaper.KV_GetSelectedTrackIdName(projID, trackID) end

---Renames the track; returns the host's answer, false for a null track.
---@param track MediaTrack|nil
---@param setName string
---@return boolean ok
function reaper.KV_SetTrackItemName(track, setName) end

---Renames the track at trackID among all tracks; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param setName string
---@return boolean ok
function reaper.KV_SetTrackIdName(projID, trackID, setName) end

---Renames the selected track at selectTrackID; false when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setName string
---@return boolean ok
function reaper.KV_SetSelectedTrackIdName(projID, selectTrackID, setName) end

---Selects (true) or deselects (false) the track at trackID, leaving the other tracks as they are; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param setSelectType boolean
---@return boolean ok
function reaper.KV_SetTrackIdSelected(projID, trackID, setSelectType) end

---Makes the track the only selected track; false for a null track.
---@param track MediaTrack|nil
---@return boolean ok
function reaper.KV_SetTrackItemOnlySelected(track) end

---Makes the track at trackID the only selected track; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
function reaper.KV_SetTrackIdOnlySelected(projID, trackID) end

---Writes the track's volume in decibels, rounded to two decimals; false for a null track or a missing out-value.
---@param track MediaTrack|nil
---@return boolean ok
---@return number volume
function reaper.KV_GetTrackItemVolume(track) end

---As KV_GetTrackItemVolume for the track at trackID among all tracks; false, nothing written, when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return number volume
function reaper.KV_GetTrackIdVolume(projID, trackID) end

---As KV_GetTrackItemVolume for the selected track at selectTrackID; false, nothing written, when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@return boolean ok
---@return number volume
function reaper.KV_GetSelectedTrackIdVolume(projID, selectTrackID) end

---Sets the track's volume to setVolume decibels and redraws; false for a null track or a volume that is not a finite gain.
---@param track MediaTrack|nil
---@param setVolume number
---@return boolean ok
function reaper.KV_SetTrackItemVolume(track, setVolume) end

---As KV_SetTrackItemVolume for the track at trackID among all tracks; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param setVolume number
---@return boolean ok
function reaper.KV_SetTrackIdVolume(projID, trackID, setVolume) end

---As KV_SetTrackItemVolume for the selected track at selectTrackID; false when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param setVolume number
---@return boolean ok
function reaper.KV_SetSelectedTrackIdVolume(projID, selectTrackID, setVolume) end

---Adds addVolume decibels to the track's volume and redraws; false for a null track or a result that is not a finite gain.
---@param track MediaTrack|nil
---@param addVolume number
---@return boolean ok
function reaper.KV_SetTrackItemAddVolume(track, addVolume) end

---As KV_SetTrackItemAddVolume for the track at trackID among all tracks; false when the index names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param addVolume number
---@return boolean ok
function reaper.KV_SetTrackIdAddVolume(projID, trackID, addVolume) end

---As KV_SetTrackItemAddVolume for the selected track at selectTrackID; false when the index names no track.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@param addVolume number
---@return boolean ok
function reaper.KV_SetSelectedTrackIdAddVolume(projID, selectTrackID, addVolume) end

---Deletes the track at trackID among all tracks (trackType 0) or among the selected tracks (trackType 1); false, nothing deleted, for another trackType or an index that names no track.
---@param projID ReaProject|nil
---@param trackID integer
---@param trackType integer
---@return boolean ok
function reaper.KV_DeleteTrackIdSelect(projID, trackID, trackType) end

---Writes whether the two texts are equal, ignoring the case of ASCII letters; false only without an out-value.
---@param textString string
---@param checkString string
---@return boolean ok
---@return boolean check
function reaper.KV_CheckSameString(textString, checkString) end

---Writes whether checkString occurs in textString, ignoring the case of ASCII letters (an empty checkString always does); false only without an out-value.
---@param textString string
---@param checkString string
---@return boolean ok
---@return boolean check
function reaper.KV_CheckIncludeString(textString, checkString) end

---Writes whether checkString occurs in textString with exactly the same bytes; false only without an out-value.
---@param textString string
---@param checkString string
---@return boolean ok
---@return boolean check
function reaper.KV_CheckIncludePerfectString(textString, checkString) end

---Copies textString with every match of the ECMAScript regular expression searchString replaced by replaceString ($&, $1..$99, $`, $', $$) into the buffer, cut to fit; false for an invalid pattern, a match that gives up, or no buffer.
---@param textString string
---@param searchString string
---@param replaceString string
---@return boolean ok
---@return string stringOut
function reaper.KV_ReplaceSearchString(textString, searchString, replaceString) end

---Copies the text without its space characters (0x20; tabs and other blanks stay) into the buffer, cut to fit; false without a buffer.
---@param testString string
---@return boolean ok
---@return string stringOut
function reaper.KV_DeleteBlankString(testString) end

---Sets the project's recording folder to path (at most 1023 bytes) and copies the previous setting into the buffer; false when the host cannot read or write the setting.
---@param projID ReaProject|nil
---@param path string
---@return boolean ok
---@return string beforePath
function reaper.KV_SetProjectInfoRecPath(projID, path) end

---Appends path to the project's recording folder as a subfolder (path itself when the setting is empty), copies the setting before and after into the buffers, and stores what the after-buffer holds; false when the host cannot read or write the setting.
---@param projID ReaProject|nil
---@param path string
---@return boolean ok
---@return string beforePath
---@return string afterPath
function reaper.KV_SetProjectInfoRecAddPath(projID, path) end

---Creates folderName, dated by timeType (0 plain, 1 _MMDD_hhmm, 2 _MMDD_hhmmss, 3 _YYYYMMDD_hhmmss), in the project folder and copies its full path and its name into the buffers; another timeType uses the project folder itself. On Windows names are given back as made, without trailing dots or spaces. False when there is no project folder or the folder cannot be made (a name Windows gives a device, such as NUL or COM1).
---@param folderName string
---@param timeType integer
---@return boolean ok
---@return string fullPath
---@return string addPath
function reaper.KV_SetProjectPathFolder(folderName, timeType) end

---As KV_SetProjectPathFolder in REAPER's resource folder.
---@param folderName string
---@param timeType integer
---@return boolean ok
---@return string fullPath
---@return string addPath
function reaper.KV_SetResoucePathFolder(folderName, timeType) end

---As KV_SetProjectPathFolder in the folder folderPath, copying only the full path; false for an empty folderPath.
---@param folderPath string
---@param folderName string
---@param timeType integer
---@return boolean ok
---@return string fullPath
function reaper.KV_SetPathFolder(folderPath, folderName, timeType) end

---Copies a file (into a folder under its own name when pasteFilePath is one), or a folder with its contents, replacing files of the same name once the whole copy has succeeded: a copy that fails leaves the target as it was. False when the source is missing or no regular file or folder, a name is one Windows gives a device (NUL, COM1.txt), a file it would replace is read-only, the copy fails, or a folder would go into itself.
---@param copyFilePath string
---@param pasteFilePath string
---@return boolean ok
function reaper.KV_SetCopyFile(copyFilePath, pasteFilePath) end

---Writes a random integer between low and high, both included (in either order); false only without an out-value.
---@param low integer
---@param high integer
---@return boolean ok
---@return integer random
function reaper.KV_GetRandomNumInteger(low, high) end

---Writes a random number between low and high with at most doubleType decimal places (bounds cut to those places); false without an out-value, for a doubleType of 10 or more, or when the scaled bounds leave the 32-bit range.
---@param low number
---@param high number
---@param doubleType integer
---@return boolean ok
---@return number random
function reaper.KV_GetRandomNumDouble(low, high, doubleType) end

---Writes a random red, green and blue (0-255 each) and the native colour made of them; false when an out-value is missing.
---@return boolean ok
---@return integer color
---@return integer r
---@return integer g
---@return integer b
function reaper.KV_GetRandomColor() end

---Copies num padded with zeros to digit digits (the sign not counted; texts already that long stay as they are) into the buffer, cut to fit; false when digit is 0 or less or there is no buffer.
---@param num integer
---@param digit integer
---@return boolean ok
---@return string formattedNum
function reaper.KV_FormatNumDigit(num, digit) end

---Writes the number shown for the marker or region at enumeration index regionID (markers and regions counted together in position order); false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@return boolean ok
---@return integer index
function reaper.KV_GetRegionMarkerIndex(projID, regionID) end

---Writes the start and end of the marker or region at regionID; false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@return boolean ok
---@return number startPos
---@return number endPos
function reaper.KV_GetRegionMarkerPosition(projID, regionID) end

---Copies the name of the marker or region at regionID into the buffer, cut to fit; false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@return boolean ok
---@return string name
function reaper.KV_GetRegionMarkerName(projID, regionID) end

---Writes the native colour of the marker or region at regionID; false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@return boolean ok
---@return integer color
function reaper.KV_GetRegionMarkerColor(projID, regionID) end

---Moves the marker or region at regionID to the new start and end; returns the host's answer, false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@param setStartPos number
---@param setEndPos number
---@return boolean ok
function reaper.KV_SetRegionMarkerPosition(projID, regionID, setStartPos, setEndPos) end

---Gives the marker or region at regionID the native colour setColor (with bit 0x1000000); false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@param setColor integer
---@return boolean ok
function reaper.KV_SetRegionMarkerColor(projID, regionID, setColor) end

---Renames the marker or region at regionID (the host keeps the old name for an empty one); false when there is no such entry.
---@param projID ReaProject|nil
---@param regionID integer
---@param setName string
---@return boolean ok
function reaper.KV_SetRegionMarkerName(projID, regionID, setName) end

---Adds a region from setStartPos to setEndPos named setName with the native colour setColor, asking for the shown number setRegionIndex, and writes the number the host gave (-1 when it added nothing, then false).
---@param projID ReaProject|nil
---@param setStartPos number
---@param setEndPos number
---@param setName string
---@param setRegionIndex integer
---@param setColor integer
---@return boolean ok
---@return integer regionIndex
function reaper.KV_AddRegionMarker(projID, setStartPos, setEndPos, setName, setRegionIndex, setColor) end

---Deletes every region of the project and keeps the markers; false when the host failed to delete one.
---@param projID ReaProject|nil
---@return boolean ok
function reaper.KV_DeleteAllRegion(projID) end

---Writes text to filename in directory (an absolute filename stands alone; the file's folder is made when missing; regular files only, never a name Windows gives a device): mode 0 replaces the file, 1 writes a new file name(1).ext, name(2).ext ... beside an existing one, 2 appends; false for another mode or when the file cannot be written.
---@param directory string
---@param filename string
---@param text string
---@param mode integer
---@return boolean ok
function reaper.KV_WriteFile(directory, filename, text, mode) end

---Copies the text of filename in directory into the buffer, grown to the text's size through the host's realloc_cmd_ptr. False when the file cannot be read, there is no buffer, or the text does not come back whole (a host that cannot grow the buffer, or a file larger than any buffer the host gives, which is refused before it is read): the buffer then holds the text's start.
---@param directory string
---@param filename string
---@return boolean ok
---@return string text
function reaper.KV_ReadFile(directory, filename) end

---Draws a hand-ridden volume envelope on the item's active take (loud 10 ms windows pulled down towards a target level, quieter ones lifted by up to 4 dB, 2 dB after 0.2 s) and renders the take; the item selection is kept. ratioType sets how hard: 0 or less the gentlest, then 1, 2, and 3 or more the strongest. False for a null item or one of no project (a deleted item), without the SWS extension (after asking whether to open its page), or when the take's volume envelope cannot be had.
---@param item MediaItem|nil
---@param ratioType integer
---@return boolean ok
function reaper.KV_SetMediaItemHANDAUTOMER(item, ratioType) end

---As KV_SetMediaItemHANDAUTOMER for the item at itemID among all items of the project; false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@param ratioType integer
---@return boolean ok
function reaper.KV_SetMediaIdHANDAUTOMER(projID, itemID, ratioType) end

---As KV_SetMediaItemHANDAUTOMER for the selected item at selectItemID; false when the index names no item.
---@param projID ReaProject|nil
---@param selectItemID integer
---@param ratioType integer
---@return boolean ok
function reaper.KV_SetSelectedMediaIdHANDAUTOMER(projID, selectItemID, ratioType) end

---Changes the item's volume so that its loudest momentary loudness becomes setMaxMomentary LUFS, and writes the project time of that loudest 400 ms window. False, the volume unchanged and nothing written, for a target that is not a finite number or so low that the volume would fall to 0, a null item or one of no project (a deleted item), an item without an active take, a silent item, a failed analysis, or without the SWS extension.
---@param item MediaItem|nil
---@param setMaxMomentary number
---@return boolean ok
---@return number maxMomentary
function reaper.KV_SetMediaItemLoudnessMaxMomentary(item, setMaxMomentary) end

---As KV_SetMediaItemLoudnessMaxMomentary for the item at itemID among all items of the project; false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@param setMaxMomentary number
---@return boolean ok
---@return number maxMomentary
function reaper.KV_SetMediaIdLoudnessMaxMomentary(projID, itemID, setMaxMomentary) end

---As KV_SetMediaItemLoudnessMaxMomentary for the selected item at selectItemID; false when the index names no item.
---@param projID ReaProject|nil
---@param selectItemID integer
---@param setMaxMomentary number
---@return boolean ok
---@return number maxMomentary
function reaper.KV_SetSelectedMediaIdLoudnessMaxMomentary(projID, selectItemID, setMaxMomentary) end

---Runs the action cmdID on this item alone and then restores the item selection as it was; false, with nothing run, for a null item or one of no project (a deleted item).
---@param item MediaItem|nil
---@param cmdID integer
---@return boolean ok
function reaper.KV_ActionMediaItemSelectKeep(item, cmdID) end

---As KV_ActionMediaItemSelectKeep for the item at itemID among all items of the project; false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@param cmdID integer
---@return boolean ok
function reaper.KV_ActionMediaIdSelectKeep(projID, itemID, cmdID) end

---As KV_ActionMediaItemSelectKeep for the selected item at selectItemID; false when the index names no item.
---@param projID ReaProject|nil
---@param selectItemID integer
---@param cmdID integer
---@return boolean ok
function reaper.KV_ActionSelectedMediaIdSelectKeep(projID, selectItemID, cmdID) end

---Crops the item to its active take when it has several, then renders the active take with its envelopes to a new take, keeping the item selection; false, with nothing run, for a null item or one of no project (a deleted item).
---@param item MediaItem|nil
---@return boolean ok
function reaper.KV_RenderMediaItemActiveTake(item) end

---As KV_RenderMediaItemActiveTake for the item at itemID among all items of the project; false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@return boolean ok
function reaper.KV_RenderMediaIdActiveTake(projID, itemID) end

---As KV_RenderMediaItemActiveTake for the selected item at selectItemID; false when the index names no item.
---@param projID ReaProject|nil
---@param selectItemID integer
---@return boolean ok
function reaper.KV_RenderSelectedMediaIdActiveTake(projID, selectItemID) end

---Switches every envelope of the item's active take off; false for a null item, one of no project (a deleted item), or without the SWS extension (after asking whether to open its page).
---@param item MediaItem|nil
---@return boolean ok
function reaper.KV_SetMediaItemEnvelopeAllOFF(item) end

---As KV_SetMediaItemEnvelopeAllOFF for the item at itemID among all items of the project; false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@return boolean ok
function reaper.KV_SetMediaIdEnvelopeAllOFF(projID, itemID) end

---As KV_SetMediaItemEnvelopeAllOFF for the selected item at itemID (an index among the selected items); false when the index names no item.
---@param projID ReaProject|nil
---@param itemID integer
---@return boolean ok
function reaper.KV_SetSelectedMediaIdEnvelopeAllOFF(projID, itemID) end

---The list functions of `require("reaper_KELVARO_COBALT")`, also the global KV_COBALT.
---@class KV_COBALT
KV_COBALT = {}

---Every track of the project, in order.
---@param projID ReaProject|nil
---@return boolean ok
---@return MediaTrack[] list
function KV_COBALT.KV_GetTrackItemList(projID) end

---The direct children of a track, and their count.
---@param track MediaTrack|nil
---@return boolean ok
---@return MediaTrack[] list
---@return integer count
function KV_COBALT.KV_GetTrackItemChildList(track) end

---The direct children of the track at an index (the top-level tracks when there is none), and their count.
---@param projID ReaProject|nil
---@param trackID integer
---@return boolean ok
---@return MediaTrack[] list
---@return integer count
function KV_COBALT.KV_GetTrackIdChildList(projID, trackID) end

---The direct children of the selected track at an index (the top-level tracks when there is none); false when the list is empty.
---@param projID ReaProject|nil
---@param selectTrackID integer
---@return boolean ok
---@return MediaTrack[] list
function KV_COBALT.KV_GetSelectedTrackIdChildList(projID, selectTrackID) end

---A TrackDetail per track with Track and Depth; false when the project has no track.
---@param projID ReaProject|nil
---@return boolean ok
---@return TrackDetail[] list
function KV_COBALT.KV_GetTrackDepthList(projID) end

---A TrackDetail with Track and Index per track named exactly name; false when none is.
---@param projID ReaProject|nil
---@param name string
---@return boolean ok
---@return TrackDetail[] list
function KV_COBALT.KV_GetSamePerfectTrackNameList(projID, name) end

---A TrackDetail with Track and Index per track whose name contains name in any ASCII case; false when none does.
---@param projID ReaProject|nil
---@param name string
---@return boolean ok
---@return TrackDetail[] list
function KV_COBALT.KV_GetIncludePerfectTrackNameList(projID, name) end

---The paths below a folder, at any depth, whose extension (given without its dot) matches in any case; false when the folder does not exist.
---@param directory string
---@param extension string
---@return boolean ok
---@return string[] list
function KV_COBALT.KV_GetFilePathList(directory, extension) end

---The fields of a text cut at every byte found in delimiters.
---@param text string
---@param delimiters string
---@return boolean ok
---@return string[] list
function KV_COBALT.KV_GetStringSplitList(text, delimiters) end

---Asks the user for inputCount comma-separated values; the answers, and whether the user confirmed.
---@param title string
---@param inputCount integer
---@param captions string
---@param defaultValues string
---@return boolean ok
---@return string[] list
function KV_COBALT.KV_GetUserInputList(title, inputCount, captions, defaultValues) end

---A kv_Peak per millisecond of the item with Time, MaxPeak and MinPeak (dB); false without an item, a length or peaks.
---@param item MediaItem|nil
---@return boolean ok
---@return kv_Peak[] list
function KV_COBALT.KV_GetMediaItemPeakList(item) end

---The peak list of the item at an index.
---@param projID ReaProject|nil
---@param itemID integer
---@return boolean ok
---@return kv_Peak[] list
function KV_COBALT.KV_GetMediaIdPeakList(projID, itemID) end

---The peak list of the selected item at an index.
---@param projID ReaProject|nil
---@param selectItemID integer
---@return boolean ok
---@return kv_Peak[] list
function KV_COBALT.KV_GetSelectedMediaIdPeakList(projID, selectItemID) end

return KV_COBALT
