# kvhost's Python ReaScript runner: sets the host up as kvhost's options say,
# loads the extension, runs the script with reaper_python's rpr_ and RPR_
# names in scope as REAPER does, then its deferred code in cycles and its
# atexit code.
import builtins
import os
import signal
import sys
import traceback
from ctypes import CFUNCTYPE, c_char_p, c_int, c_void_p, create_string_buffer, memmove

import reaper_python
import reaper_python_core as core
from reaper_python_core import _host


@CFUNCTYPE(None, c_void_p, c_int)
def _location(buffer, size):
  where = core._script_location().encode("UTF-8")[:size - 1] + b"\0"
  memmove(buffer, where, len(where))


def _timed_out(signum, frame):
  sys.stderr.write("kvhost: the script ran longer than --timeout allows\n")
  sys.stderr.flush()
  os._exit(5)


def _exit_status(stop):
  # As the interpreter reads SystemExit: None is 0, a number itself, else 1 after printing it.
  if stop.code is None or isinstance(stop.code, int):
    return stop.code or 0
  sys.stderr.write("%s\n" % stop.code)
  return 1


def _run(code, where):
  # Runs one piece of the script; its exit status, or None to go on.
  try:
    exec(code, where)
  except SystemExit as stop:
    return _exit_status(stop)
  except BaseException:
    traceback.print_exc()
    return 1
  return None


def _run_script(script, names):
  with open(script, "rb") as file:
    source = file.read()
  where = dict(names, __name__="__main__", __file__=script, __builtins__=builtins)
  try:
    code = compile(source, script, "exec")
  except SyntaxError:
    traceback.print_exc()
    return 1
  status = _run(code, where)
  for _ in range(int(os.environ.get("KVHOST_DEFER_CYCLES") or 1000)):
    if status is not None or not core._deferred:
      break
    cycle = list(core._deferred)
    core._deferred.clear()
    _host.kvhost_begin_defer_cycle()
    for deferred, globals_of_caller in cycle:
      status = _run(deferred, globals_of_caller)
      if status is not None:
        break
  # The atexit code runs after an error too; each piece once, in order.
  while core._at_exit:
    at_exit, globals_of_caller = core._at_exit.pop(0)
    ended = _run(at_exit, globals_of_caller)
    if ended is not None and not status:
      status = ended
  return status or 0


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
  error = create_string_buffer(4096)
  _host.kvhost_prepare_run.argtypes = [c_char_p, c_char_p, c_char_p, c_char_p, c_int]
  settings = [os.environ.get(key, "").encode() for key in ("KVHOST_OS", "KVHOST_REAPER_VERSION", "KVHOST_ANSWERS")]
  if not _host.kvhost_prepare_run(*settings, error, len(error)):
    sys.stderr.write(error.value.decode() + "\n")
    sys.exit(2)
  _host.kvhost_set_script_location(_location)
  if int(os.environ.get("KVHOST_TIMEOUT") or 0):
    signal.signal(signal.SIGALRM, _timed_out)
    signal.alarm(int(os.environ["KVHOST_TIMEOUT"]))
  extension = os.environ.get("KVHOST_EXTENSION", "")
  if extension and _host.kvhost_load_extension(extension.encode()) != 1:
    sys.exit("kvhost: cannot load " + extension)
  project = os.environ.get("KVHOST_PROJECT", "")
  if project and not _project_file(_host.kvhost_load_project, project):
    sys.exit(2)
  # What `from reaper_python import *` gives: as REAPER's module has no __all__, every public name.
  names = {k: v for k, v in vars(reaper_python).items() if not k.startswith("_")}
  try:
    status = _run_script(script, names)
    _host.kvhost_script_finished(1 if core._script_deferred else 0)
    if status == 0:
      # REAPER's automatic undo point is for scripts that did not defer.
      if not core._script_deferred:
        _host.kvhost_add_script_undo_point(script.encode())
      saved = os.environ.get("KVHOST_SAVE_PROJECT", "")
      if saved and not _project_file(_host.kvhost_save_project, saved):
        status = 2
  finally:
    sys.stdout.flush()
    _host.kvhost_unload_extension()
  sys.exit(status)


main()
