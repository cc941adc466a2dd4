# Every registered function once through the Python wrapper module and once
# through Lua, each on the same fresh session with the same arguments: the
# results agree (handles by the track they name, buffers by their text), and
# each has the shape and types its stub beside the module declares.
import ast
import inspect
import os
import re
import shutil
import sys
import tempfile
from ctypes import c_char_p, c_int, create_string_buffer

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
import reaper_KELVARO_COBALT_python as wrappers
# The host's controls, as Lua tests have them in the kvhost table.
from reaper_python_core import _host

FOLDER = tempfile.mkdtemp(prefix="kv-python-and-lua-")
LUA_RESULTS = os.path.join(FOLDER, "lua-results")
HANDLE = re.compile(r"\((.+)\)0x([0-9A-F]{16})")
_host.kvhost_run_lua.argtypes = [c_char_p, c_char_p, c_int]

SESSION = """
kvhost.reset()
kvhost.resource_path(%s)
kvhost.project_path(nil, %s)
local tracks = kvhost.add_tracks(nil, {1, 0, -1})
reaper.GetSetMediaTrackInfo_String(tracks[1], "P_NAME", "Drums", true)
reaper.SetTrackSelected(tracks[1], true)
for _, track in ipairs(tracks) do
  reaper.SetMediaTrackInfo_Value(track, "B_MUTE", 1)
  reaper.SetMediaTrackInfo_Value(track, "I_SOLO", 1)
end
reaper.SetTrackSelected(tracks[2], true)
reaper.SetTrackColor(tracks[2], reaper.ColorToNative(1, 2, 3) | 0x1000000)
local samples = {}
for i = 1, 48000 do samples[i] = 0.25 * math.sin(i / 20) end
local item = kvhost.add_item(tracks[2], 0.5, 1.0, kvhost.create_source(48000, 1, samples))
reaper.SetMediaItemSelected(item, true)
reaper.AddProjectMarker2(nil, true, 1.0, 2.0, "Verse", 1, 0)
"""

LUA_PUT = """
local out = assert(io.open(%s, "wb"))
local function put(v)
  if v == nil then out:write("nil\\n")
  elseif type(v) == "boolean" then out:write(v and "n:1\\n" or "n:0\\n")
  elseif type(v) == "number" then out:write(string.format("n:%%.17g\\n", v))
  elseif type(v) == "string" then out:write("s:" .. #v .. ":" .. v .. "\\n")
  else
    local named = "?"
    for i = 0, reaper.CountTracks(nil) - 1 do
      if reaper.GetTrack(nil, i) == v then named = "track " .. i end
    end
    out:write("h:" .. named .. "\\n")
  end
end
"""

# The same argument for each parameter name, in both languages.
ARGUMENTS = {
    "projID": None, "track": "T0", "parentTrack": "T0", "item": "I0",
    "trackID": 1, "trackId": 1, "selectTrackID": 1, "selectTrackId": 1, "trackType": 0,
    "itemID": 0, "selectItemID": 0, "regionID": 0,
    "setMute": True, "setSolo": True, "setSelectType": True, "setColor": 0x1102030,
    "setR": 16, "setG": 32, "setB": 48, "setDepth": 1, "setName": "Grüße", "setTrackName": "Bass",
    "setVolume": 0.5, "addVolume": 0.25,
    "textString": "a1b22c", "checkString": "B2", "searchString": "[0-9]+", "replaceString": "#",
    "testString": " a b ", "path": "rec", "folderName": "sub", "timeType": 0,
    "folderPath": FOLDER, "copyFilePath": os.path.join(FOLDER, "in.txt"),
    "pasteFilePath": os.path.join(FOLDER, "out.txt"), "directory": FOLDER, "filename": "f.txt",
    "text": "hello\n", "mode": 0, "low": 5, "high": 5, "doubleType": 2, "num": 7, "digit": 3,
    "setStartPos": 1.25, "setEndPos": 3.0, "setRegionIndex": 4, "ratioType": 0,
    "setMaxMomentary": -20.0, "cmdID": 40131,
}
DOUBLE_BOUNDS = {"KV_GetRandomNumDouble": (1.5, 1.5)}
RANDOM = {"KV_GetRandomColor"}  # only whether it succeeded compares


def lua_literal(v):
  if v is None:
    return "nil"
  if v is True or v is False:
    return "true" if v else "false"
  if v == "T0":
    return "reaper.GetTrack(nil, 0)"
  if v == "I0":
    return "reaper.GetMediaItem(nil, 0)"
  if isinstance(v, str):
    return '"' + v.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'
  return repr(v)


def python_value(v):
  return {"T0": lambda: RPR_GetTrack(None, 0), "I0": lambda: RPR_GetMediaItem(None, 0)}.get(v, lambda: v)()


def put(v):
  if isinstance(v, str) and HANDLE.fullmatch(v):
    if int(HANDLE.fullmatch(v).group(2), 16) == 0:
      return "nil\n"
    named = [i for i in range(RPR_CountTracks(None)) if RPR_GetTrack(None, i) == v]
    return "h:" + ("track %d" % named[0] if named else "?") + "\n"
  if isinstance(v, str):
    return "s:%d:%s\n" % (len(v.encode("UTF-8")), v)
  return "n:%.17g\n" % v


with open(os.path.realpath(wrappers.__file__)[:-len(".py")] + ".pyi", encoding="UTF-8") as stub_file:
  STUB = {node.name: ast.unparse(node.returns) for node in ast.parse(stub_file.read()).body
          if isinstance(node, ast.FunctionDef)}
# What a value of each annotation may be (an int passes for a float, as for type checkers).
KINDS = {"int": (int,), "float": (float, int), "str": (str,), "bool": (bool,), "Optional[str]": (str, type(None)),
         "None": (type(None),)}


def as_declared(annotation, value):
  if annotation.startswith("Tuple["):
    parts = annotation[len("Tuple["):-1].split(", ")
    return isinstance(value, tuple) and len(value) == len(parts) and all(map(as_declared, parts, value))
  return isinstance(value, KINDS[annotation]) and not (annotation == "int" and isinstance(value, bool))


def run_lua(code):
  error = create_string_buffer(4096)
  assert _host.kvhost_run_lua(code.encode("UTF-8"), error, len(error)), error.value.decode()


def session():
  for name in os.listdir(FOLDER):
    path = os.path.join(FOLDER, name)
    shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
  with open(os.path.join(FOLDER, "in.txt"), "w") as f:
    f.write("copied\n")
  with open(os.path.join(FOLDER, "f.txt"), "w", encoding="UTF-8") as f:
    f.write("longer than a NeedBig buffer starts, ü\n" * 100)
  os.makedirs(os.path.join(FOLDER, "project"))
  run_lua(SESSION % (lua_literal(FOLDER), lua_literal(os.path.join(FOLDER, "project"))))


def is_output(name):
  return re.search(r"Out(NeedBig|Optional)?$", name) is not None


def compare(name, function):
  names = list(inspect.signature(function).parameters)
  inputs = []
  for i, p in enumerate(names):
    if p.endswith("_sz"):
      inputs.append(4 * 1024 * 1024 if "NeedBig" in p else 4096)
    elif is_output(p):
      inputs.append("" if i + 1 < len(names) and names[i + 1] == p + "_sz" else 0)
    else:
      inputs.append(ARGUMENTS[p])
  if name in DOUBLE_BOUNDS:
    inputs[0], inputs[1] = DOUBLE_BOUNDS[name]
  session()
  result = function(*[python_value(v) for v in inputs])
  assert as_declared(STUB[name], result), "%s: %r is no %s" % (name, result, STUB[name])
  values = [result[0]] + [result[1 + i] for i, p in enumerate(names) if is_output(p)] \
      if isinstance(result, tuple) else [result]
  from_python = "".join(put(v) for v in values)
  session()
  lua_args = ", ".join(lua_literal(v) for p, v in zip(names, inputs) if not is_output(p) and not p.endswith("_sz"))
  run_lua(LUA_PUT % lua_literal(LUA_RESULTS) +
          "local r = table.pack(reaper.%s(%s))\nfor i = 1, r.n do put(r[i]) end\nout:close()\n" % (name, lua_args))
  with open(LUA_RESULTS, encoding="UTF-8") as f:
    from_lua = f.read()
  if name in RANDOM:
    from_python, from_lua = from_python.split("\n")[0], from_lua.split("\n")[0]
  assert from_python == from_lua, "%s: Python %r, Lua %r" % (name, from_python, from_lua)
  return from_python


registered = [n for n, f in vars(wrappers).items() if n.startswith("KV_") and inspect.isfunction(f)]
assert len(registered) == 96 and set(STUB) == set(registered), (len(registered), set(STUB) ^ set(registered))
outcomes = {name: compare(name, getattr(wrappers, name)) for name in registered}
succeeded = [name for name, text in outcomes.items() if text.startswith(("n:1", "h:track"))]
# The session lets every one do its work, so they agree on more than failing.
assert len(succeeded) == len(registered), {n: t for n, t in outcomes.items() if n not in succeeded}
shutil.rmtree(FOLDER)
print("ok: %d functions, %d succeeded" % (len(registered), len(succeeded)))
