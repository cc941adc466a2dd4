# The names a Python ReaScript finds, as under REAPER's own module: reaper_python
# has no __all__, so its names in a script's scope, and `from reaper_python
# import *`, are re and every public name of ctypes besides its rpr_ and RPR_
# names; the extension's wrapper module and kv_cobalt give their own names only.
given = {name for name in globals() if not name.startswith("_")}
import ast
import ctypes
import re
import sys

import reaper_python


def star_import(module, before=""):
  names = {}
  exec(before + "from %s import *" % module, names)
  return {name: value for name, value in names.items() if name != "__builtins__"}


ctypes_names = set(star_import("ctypes"))
own = {name for name in vars(reaper_python) if name.startswith(("rpr_", "RPR_"))}
assert {"rpr_getfp", "rpr_packp", "RPR_GetTrack", "RPR_ValidatePtr"} <= own and "rpr_unpackc" not in own
assert given == set(star_import("reaper_python")) == own | ctypes_names | {"re"}, \
  sorted(given ^ (own | ctypes_names | {"re"}))
assert {"Union", "Structure", "POINTER", "RTLD_GLOBAL", "CFUNCTYPE", "c_int"} <= given
assert star_import("reaper_python")["re"] is re
# A name imported before is replaced: typing's Union becomes ctypes'.
assert star_import("reaper_python", "from typing import Union\n")["Union"] is ctypes.Union

# The stub declares what a script gets: the module's functions, re, and ctypes' names.
with open(reaper_python.__file__ + "i", encoding="UTF-8") as stub_file:
  stub = ast.parse(stub_file.read()).body
assert {node.name for node in stub if isinstance(node, ast.FunctionDef)} == own
assert any(isinstance(node, ast.ImportFrom) and node.module == "ctypes" and node.names[0].name == "*" for node in stub)
assert any(isinstance(node, ast.Import) and (node.names[0].name, node.names[0].asname) == ("re", "re") for node in stub)

sys.path.append(RPR_GetResourcePath() + "/UserPlugins")
wrapper = star_import("reaper_KELVARO_COBALT_python")
assert len(wrapper) == 96 and all(name.startswith("KV_") for name in wrapper), sorted(wrapper)
kv_cobalt = star_import("kv_cobalt")
assert set(kv_cobalt) == set(sys.modules["kv_cobalt"].__all__), sorted(kv_cobalt)
assert not [name for name, value in kv_cobalt.items() if value is getattr(ctypes, name, None)]
print("ok")
