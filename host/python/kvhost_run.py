# kvhost's Python ReaScript runner: sets the host up as kvhost's options say,
# loads the extension, then runs the script with reaper_python's rpr_ and
# RPR_ names in scope as REAPER does.
import os
import runpy
import sys
from ctypes import create_string_buffer

import reaper_python
from reaper_python_core import _host


def _project_file(step, path):
  """Loads or saves the current project; prints the failure as kvhost does."""
  error = create_string_buffer(4096)
  if step(path.encode(), error, len(error)):
    return True
  sys.stdout.flush()
  print("kvhost: " + error.value.decode(errors="replace"), file=sys.stderr)
  return False


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
  project = os.environ.get("KVHOST_PROJECT", "")
  if project and not _project_file(_host.kvhost_load_project, project):
    sys.exit(2)
  # What `from reaper_python import *` gives: as REAPER's module has no __all__, every public name.
  names = {k: v for k, v in vars(reaper_python).items() if not k.startswith("_")}
  try:
    runpy.run_path(script, init_globals=names, run_name="__main__")
    _host.kvhost_add_script_undo_point(script.encode())
    saved = os.environ.get("KVHOST_SAVE_PROJECT", "")
    if saved and not _project_file(_host.kvhost_save_project, saved):
      sys.exit(2)
  finally:
    sys.stdout.flush()
    _host.kvhost_unload_extension()


main()
