// The module's Lua file: require finds it before the library and gives the
// list functions in any Lua, REAPER's own included.
#include <sstream>

#include "writers.hpp"

namespace kv_docs {
namespace {

// How the file reads an argument, as the library's C module reads it.
const char* argument_kind(const std::string& c_type) {
  if (c_type == "int") return "integer";
  if (c_type == "const char*") return "text";
  return "handle";
}

constexpr const char* head = R"lua(-- reaper_KELVARO_COBALT: the list functions of the KELVARO_COBALT extension
-- as a Lua module. Generated from the library's declarations; do not edit.
--
--   local dir = reaper.GetResourcePath() .. "/UserPlugins"
--   package.cpath = dir .. "/?.so;" .. package.cpath  -- ?.dylib on macOS, ?.dll on Windows
--   package.path = dir .. "/?.lua;" .. package.path
--   local cobalt = require("reaper_KELVARO_COBALT")   -- also the global KV_COBALT
--
-- REAPER keeps its Lua's C API to itself, so inside REAPER the library cannot
-- open as a C module: there each list comes through the script functions the
-- extension registers (KV_COBALT_<name>), as bytes this file reads. In a
-- Lua that exports its C API (a stand-alone interpreter) the library opens
-- directly. Both give the same booleans, counts, tables and values; a text
-- argument ends at its first NUL byte inside REAPER.

local name = ...
name = type(name) == "string" and name or "reaper_KELVARO_COBALT"

-- name, the kinds of its arguments, whether it also answers a count
local lists = {
)lua";

constexpr const char* tail = R"lua(}

local host = rawget(_G, "reaper")
local registered = type(host) == "table" and host.KV_COBALT_ListText ~= nil

if not registered then
  local path = package.searchpath(name, package.cpath)
  if not path then
    error(name .. ": the library is not on package.cpath", 2)
  end
  local open = assert(package.loadlib(path, "luaopen_" .. name))
  local module = open(name, path)
  if type(module) ~= "table" then
    error(name .. ": this Lua keeps its C API to itself, and no REAPER with the extension runs it", 2)
  end
  return module
end

-- Arguments read as the C module reads them, never raising.
local read = {
  handle = function(value)
    if type(value) == "userdata" then return value end
  end,
  integer = function(value)
    local n = math.tointeger(tonumber(value) or 0) or 0
    -- Beyond the 32-bit range: the nearest end, which addresses nothing.
    if n > 0x7FFFFFFF then return 0x7FFFFFFF end
    if n < -0x80000000 then return -0x80000000 end
    return n
  end,
  text = function(value)
    local kind = type(value)
    if kind == "string" then return value end
    if kind == "number" then return tostring(value) end
    return ""
  end,
}

-- The list as tables: its handles fetched one by one, its bytes read whole
-- (in pieces where the host cannot grow a buffer; escaped then, as the host
-- reads a buffer up to a NUL), and its rows read by the reader that the
-- list's own chunk gives, with nothing but string.unpack and H in reach.
-- Every read names the list; the host refuses it once another list call
-- (from a debug hook, a finalizer) has replaced the list.
local unpack = string.unpack
local unescaped = {["\1"] = "\1", ["\2"] = "\0"}

-- Escaped bytes hold no NUL: one ends what a buffer held.
local function held(piece)
  local nul = piece:find("\0", 1, true)
  return nul and piece:sub(1, nul - 1) or piece
end

local function build(list, handles, size, bytes)
  if size == 0 then return {} end
  local H = {}
  for i = 1, handles do H[i] = host.KV_COBALT_ListTrack(list, i - 1) end
  if bytes:sub(1, 1) ~= "R" then bytes = held(bytes) end
  -- The rest, if any; the last read also tells that the handles were this list's.
  local parts, have = {bytes}, #bytes
  repeat
    local ok, piece = host.KV_COBALT_ListText(list, have)
    if not ok then error(name .. ": another list call replaced this list while it was read", 3) end
    piece = held(piece)
    parts[#parts + 1] = piece
    have = have + #piece
  until have >= size or #piece == 0
  if have < size then error(name .. ": a list came back cut short", 3) end
  bytes = table.concat(parts)
  if bytes:sub(1, 1) == "E" then bytes = bytes:gsub("\1(.)", unescaped) end
  local chunk, p = unpack("<s4", bytes, 2)
  local read = assert(load(chunk, "=" .. name, "t", {}))(unpack, H)
  local rows, k, last = {}, 0, #bytes
  while p <= last do
    k = k + 1
    rows[k], p = read(bytes, p)
  end
  return rows
end

-- The host refuses a userdata that is no handle of the kind its parameter
-- names, where the C module reads it as null: then ask again with null. (No
-- list function takes more than one handle.)
local function answer(call, arguments, count)
  local results = table.pack(pcall(call, table.unpack(arguments, 1, count)))
  if results[1] then return table.unpack(results, 2, results.n) end
  for i = 1, count do
    if type(arguments[i]) == "userdata" then arguments[i] = nil end
  end
  return call(table.unpack(arguments, 1, count))
end

local function listed(list, kinds, counted)
  local call = host["KV_COBALT_" .. list]
  return function(...)
    local given = table.pack(...)
    local arguments = {}
    for i, kind in ipairs(kinds) do arguments[i] = read[kind](given[i]) end
    if counted then
      local ok, count, id, handles, size, bytes = answer(call, arguments, #kinds)
      return ok, build(id, handles, size, bytes), count
    end
    local ok, id, handles, size, bytes = answer(call, arguments, #kinds)
    return ok, build(id, handles, size, bytes)
  end
end

local module = {}
for _, list in ipairs(lists) do module["KV_" .. list[1]] = listed(list[1], list[2], list[3]) end
KV_COBALT = module
return module
)lua";

}  // namespace

generated_file lua_module_file(const documentation& docs) {
  std::ostringstream text;
  text << head;
  for (const auto& f : docs.lists) {
    text << "  {\"" << f.name << "\", {";
    bool first = true;
    for (const auto& p : f.inputs()) {
      text << (first ? "" : ", ") << '"' << argument_kind(p.type) << '"';
      first = false;
    }
    text << "}, " << (f.counted ? "true" : "false") << "},\n";
  }
  text << tail;
  return {"src/binding/lua/reaper_KELVARO_COBALT.lua", text.str()};
}

}  // namespace kv_docs
