# The Python forms: code strings run in the script's globals.
from reaper_python import *

order = []
start = RPR_time_precise()


def tick():
  order.append("tick%d" % len(order))
  if len(order) < 3:
    RPR_defer("tick()")


RPR_defer("tick()")
RPR_atexit("print(' '.join(order), '%.4f' % (RPR_time_precise() - start))")
