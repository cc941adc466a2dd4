-- Folders, the recording folder setting and files through the headless
-- host's real folders.

local sep = package.config:sub(1, 1)

local function is_folder(path)
  local probe = io.open(path .. sep .. ".probe", "w")
  if not probe then return false end
  probe:close()
  os.remove(path .. sep .. ".probe")
  return true
end
local _, folder, ok, project_folder, text

-- folders land inside their base
kvhost.case("folders land inside their base", function()
  project_folder = kvhost.project_path()
  local full, added
  ok, full, added = reaper.KV_SetProjectPathFolder("Rec", 0)
  assert(ok and added == "Rec" and full == project_folder .. sep .. "Rec", full)
  assert(is_folder(full))
  ok, full, added = reaper.KV_SetResoucePathFolder("Bounce", 3)
  assert(ok and added:match("^Bounce_%d%d%d%d%d%d%d%d_%d%d%d%d%d%d$"), added)
  assert(full == kvhost.resource_path() .. sep .. added and is_folder(full))
  ok, full = reaper.KV_SetPathFolder(project_folder .. sep .. "Rec", "Mix", 1)
  assert(ok and full:match("^" .. project_folder:gsub("%p", "%%%0") .. "/Rec/Mix_%d%d%d%d_%d%d%d%d$"), full)
  assert(is_folder(full))
  ok, full = reaper.KV_SetPathFolder(project_folder .. sep .. "missing", "Mix", 0)
  assert(ok == false and full == "", "no folder without its parent")
  ok, full = reaper.KV_SetPathFolder(nil, "Mix", 0)
  assert(ok == false, "never at the root")
end)

-- the recording folder setting
kvhost.case("the recording folder setting", function()
  assert(reaper.GetSetProjectInfo_String(0, "RECORD_PATH", "Audio", true))
  local before, after
  ok, before, after = reaper.KV_SetProjectInfoRecAddPath(0, "Take2")
  assert(ok and before == "Audio" and after == "Audio" .. sep .. "Take2")
  local stored
  _, stored = reaper.GetSetProjectInfo_String(0, "RECORD_PATH", "", false)
  assert(stored == after)
  ok, before = reaper.KV_SetProjectInfoRecPath(0, "Fresh")
  assert(ok and before == after)
  _, stored = reaper.GetSetProjectInfo_String(0, "RECORD_PATH", "", false)
  assert(stored == "Fresh")
end)

-- files
kvhost.case("files", function()
  folder = project_folder .. sep .. "Rec"
  assert(reaper.KV_WriteFile(folder, "take.txt", "a\r\nb", 0))
  assert(reaper.KV_WriteFile(folder, "take.txt", "c", 1))
  ok, text = reaper.KV_ReadFile(folder, "take.txt")
  assert(ok and text == "a\r\nb\n", text)
  ok, text = reaper.KV_ReadFile(folder, "take(1).txt")
  assert(ok and text == "c\n")
  assert(reaper.KV_SetCopyFile(folder, project_folder .. sep .. "Copy"))
  ok, text = reaper.KV_ReadFile(project_folder .. sep .. "Copy", "take.txt")
  assert(ok and text == "a\r\nb\n")
  ok, text = reaper.KV_ReadFile(folder, "none.txt")
  assert(ok == false and text == "")
  assert(reaper.KV_WriteFile(folder, "x.txt", "x", 7) == false)
  assert(reaper.KV_ReadFile(nil, nil) == false)
  assert(reaper.KV_SetCopyFile(nil, nil) == false)
end)

-- the host's small NeedBig buffer grows to hold a 20 MB file whole, NUL bytes included
kvhost.case("the host's small NeedBig buffer grows to hold a 20 MB file whole, NUL bytes included", function()
  local big = string.rep("0123456789abcde\0", 20 * 65536) .. "\n"
  assert(reaper.KV_WriteFile(folder, "big.txt", "x", 0))
  local handle = assert(io.open(folder .. sep .. "big.txt", "wb"))
  handle:write(big)
  handle:close()
  ok, text = reaper.KV_ReadFile(folder, "big.txt")
  assert(ok and #text == #big and text == big)
  -- as long as the buffer the script engine passes (256 bytes), then one byte shorter
  assert(reaper.KV_WriteFile(folder, "256.txt", string.rep("z", 255) .. "\n", 0))
  ok, text = reaper.KV_ReadFile(folder, "256.txt")
  assert(ok and text == string.rep("z", 255) .. "\n", #text)
  assert(reaper.KV_WriteFile(folder, "255.txt", string.rep("z", 255), 0))
  ok, text = reaper.KV_ReadFile(folder, "255.txt")
  assert(ok and text == string.rep("z", 255) .. "\n", #text)
  -- a host that cannot grow it: false, and the start that fits
  kvhost.hide_function("realloc_cmd_ptr")
  kvhost.unload_extension()
  assert(kvhost.load_extension() == 1)
  ok, text = reaper.KV_ReadFile(folder, "big.txt")
  assert(ok == false and text == "0123456789abcde", text)
  assert(reaper.KV_WriteFile(folder, "long.txt", string.rep("y", 1000), 0))
  ok, text = reaper.KV_ReadFile(folder, "long.txt")
  assert(ok == false and text == string.rep("y", 255))
  ok, text = reaper.KV_ReadFile(folder, "255.txt")
  assert(ok == false and text == string.rep("z", 255), "the last line feed did not fit")
  assert(reaper.KV_WriteFile(folder, "254.txt", string.rep("z", 254), 0))
  ok, text = reaper.KV_ReadFile(folder, "254.txt")
  assert(ok and text == string.rep("z", 254) .. "\n")
  kvhost.show_all_functions()
  kvhost.unload_extension()
  assert(kvhost.load_extension() == 1)
end)

-- a file larger than any buffer the host gives (1 GiB here) is refused, not read
kvhost.case("a file larger than any buffer the host gives (1 GiB here) is refused, not read", function()
  local handle = assert(io.open(folder .. sep .. "huge.txt", "wb"))
  handle:write("start\n")
  handle:seek("set", 1 << 30)  -- a sparse file: no disk is used
  handle:write("end\n")
  handle:close()
  ok, text = reaper.KV_ReadFile(folder, "huge.txt")
  os.remove(folder .. sep .. "huge.txt")
  assert(ok == false and text == "start\n", text)
end)

-- a host that grows a buffer to another size than asked reads back only
-- bytes the library wrote, and the answer says the text is not whole
kvhost.case("a host that grows a buffer to another size than asked", function()
  local lines = string.rep("0123456789abcdefghi\n", 50)
  assert(reaper.KV_WriteFile(folder, "1000.txt", lines, 0))
  kvhost.need_big_surplus(16)
  ok, text = reaper.KV_ReadFile(folder, "1000.txt")
  assert(ok == false and text == lines .. string.rep("\0", 16), #text)
  kvhost.need_big_surplus(-16)
  ok, text = reaper.KV_ReadFile(folder, "1000.txt")
  assert(ok == false and text == lines:sub(1, 983) .. "\0", #text)
  kvhost.need_big_surplus(0)
  ok, text = reaper.KV_ReadFile(folder, "1000.txt")
  assert(ok and text == lines)
end)

-- a random colour is the host's native form of its channels
kvhost.case("a random colour is the host's native form of its channels", function()
  local color, r, g, b
  _, color, r, g, b = reaper.KV_GetRandomColor()
  assert(color == reaper.ColorToNative(r, g, b))
end)
