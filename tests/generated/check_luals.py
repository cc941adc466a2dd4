"""The Lua language server's definitions keep to its annotation grammar and type
`local kv = require("reaper_KELVARO_COBALT")`: the file names the module, ends
by returning the module table, and describes each record by its fields.
    check_luals.py DEFINITIONS LUA_INTERPRETER"""
import itertools
import re
import subprocess
import sys
import unittest

DEFINITIONS, LUA = sys.argv[1], sys.argv[2]
NAME = r"[A-Za-z_][A-Za-z0-9_]*"
TYPE = r"[A-Za-z_][A-Za-z0-9_.]*(\[\])?(\|[A-Za-z_][A-Za-z0-9_.]*(\[\])?)*"
# The annotation forms the file uses, each whole: nothing may follow a class's parents.
FORMS = [re.compile(form) for form in (
    r"---@meta reaper_KELVARO_COBALT", r"---@class %s(: %s(, %s)*)?" % (NAME, TYPE, TYPE),
    r"---@field %s\?? %s" % (NAME, TYPE), r"---@param %s %s" % (NAME, TYPE), r"---@return %s %s" % (TYPE, NAME))]


class Definitions(unittest.TestCase):
    def setUp(self):
        with open(DEFINITIONS, encoding="utf-8") as f:
            self.lines = f.read().splitlines()

    def test_annotations_keep_to_the_grammar(self):
        annotations = [line for line in self.lines if line.startswith("---@")]
        self.assertEqual([line for line in annotations if not any(f.fullmatch(line) for f in FORMS)], [])
        self.assertEqual(self.lines[0], "---@meta reaper_KELVARO_COBALT")

    def test_every_record_a_list_returns_has_its_fields(self):
        returned = {m.group(1) for line in self.lines for m in [re.fullmatch(r"---@return (\w+)\[\] list", line)] if m}
        records = returned - {"string", "MediaTrack"}
        self.assertEqual(records, {"TrackDetail", "kv_Peak"})
        for record in records:
            after = self.lines[self.lines.index("---@class " + record) + 1:]
            fields = list(itertools.takewhile(lambda line: line.startswith("---@field"), after))
            self.assertTrue(fields, "%s has no ---@field lines" % record)
        self.assertIn("---@field Depth? integer", self.lines)
        self.assertIn("---@field Track? MediaTrack", self.lines)

    def test_the_file_returns_the_module_table(self):
        # Run as Lua: what it returns is the global KV_COBALT, holding the 13 list functions.
        probe = ('local m = dofile(%r); assert(m == KV_COBALT, "not the module table"); local n = 0\n'
                 'for name, f in pairs(m) do assert(type(f) == "function" and name:match("^KV_Get")); n = n + 1 end\n'
                 'io.write(n)' % DEFINITIONS)
        self.assertEqual(subprocess.run([LUA, "-e", probe], capture_output=True, text=True, check=True).stdout, "13")
        self.assertEqual(self.lines[-1], "return KV_COBALT")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
