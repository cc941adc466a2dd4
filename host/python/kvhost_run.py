# kvhost's Python ReaScript runner: sets the host up as kvhost's options say,
# loads the extension, then runs the script with reaper_python's rpr_ and
# RPR_ names in scope as REAPER does.
import os
import runpy
import sys

import reaper_python
from reaper_python_core import _host


def main():
  script = sys.argv[1]
  sys.argv = sys.argv[1:]
  sys.path[0] = os.path.dirname(os.path.abspath(script))
  if os.environ.get("KVHOST_RESOURCE_PATH"):
    _host.kvhost_set_resource_path(os.environ["KVHOST_RESOURCE_PATH"].encode())
  for name in filter(None, os.environ.get("KVHOST_HIDE", "").split("\n")):
    _host.kvhost_hide_function(name.encode())
  if os.environ.get("KVHOST_NO_SWS"):
    _host.kvhost_hide_sws()
  extension = os.environ.get("KVHOST_EXTENSION", "")
  if extension and _host.kvhost_load_extension(extension.encode()) != 1:
    sys.exit("kvhost: cannot load " + extension)
  # What `from reaper_python import *` gives: as REAPER's module has no __all__, every public name.
  names = {k: v for k, v in vars(reaper_python).items() if not k.startswith("_")}
  try:
    runpy.run_path(script, init_globals=names, run_name="__main__")
  finally:
    sys.stdout.flush()
    _host.kvhost_unload_extension()


main()
