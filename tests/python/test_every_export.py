"""Every py_ export, as the generated stub declares it, with pool handles 0,
dead and of every wrong kind, null and long texts, extreme numbers, null and
real out-pointers: none may crash, and a handle written out is 0 or live."""
import ast
import ctypes
import os
import sys
import unittest

PYTHON = os.path.join(os.path.dirname(__file__), "..", "..", "python")
sys.path.insert(0, PYTHON)
from kv_cobalt import _native  # noqa: E402

host = ctypes.CDLL(os.environ["KVHOST_LIBRARY"])
host.kvhost_load_extension.argtypes = [ctypes.c_char_p]
lib = _native.load()


def declared_exports():
    """(name, [(parameter, annotation)]) of every export in the stub, in order."""
    with open(os.path.join(PYTHON, "kv_cobalt", "_native.pyi"), encoding="utf-8") as stub:
        tree = ast.parse(stub.read())
    library = next(node for node in tree.body if isinstance(node, ast.ClassDef) and node.name == "Library")
    return [(f.name, [(a.arg, ast.unparse(a.annotation)) for a in f.args.args[1:]])
            for f in library.body if isinstance(f, ast.FunctionDef)]


class EveryExport(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        assert host.kvhost_load_extension(None) == 1

    def pool_handles(self):
        """0, a released array, and one live object of each kind."""
        dead = lib.py_create_array()
        lib.py_release_obj(dead)
        records = lib.py_create_kvList_array()
        record = lib.py_create_kvObj_inarray(records, b"kv_Peak")
        array, map_ = lib.py_create_array(), lib.py_create_map()
        lib.py_set_array_int(array, 7)
        lib.py_set_map_int(map_, b"k", 7)
        lib.py_set_int_inkvObj(record, b"Time", 1)
        return [0, dead, array, map_, records, record, 2**64 - 1]

    def values(self, parameter, annotation, handles):
        if annotation == "int" and parameter == "handle":
            return handles
        if annotation == "int":
            return [0, -1, 1, 2**31 - 1, -2**31]
        if annotation == "float":
            return [0.0, float("nan"), float("inf"), -1e308]
        if annotation == "bool":
            return [False, True]
        if annotation == "bytes":
            return [None, b"", b"Time", b"kv_Peak", b"x" * (1 << 20)]
        if annotation.startswith("Optional[ctypes.Array[ctypes.c_"):  # columns: (count) cells
            return [None, getattr(ctypes, annotation.split(".")[-1].rstrip("]")) * 4]
        if annotation.startswith("ctypes.Array"):
            return [None, "buffer"]
        if annotation == "Any":  # an out-pointer
            return [None, "out"]
        return [None]  # a host handle: the current project, or none

    def test_no_export_crashes_on_any_argument(self):
        exports = declared_exports()
        self.assertEqual(len(exports), 52)
        handles = self.pool_handles()
        live = set(handles[2:6])
        for name, parameters in exports:
            ordinary = [self.values(p, a, handles)[0] for p, a in parameters]
            for position, (parameter, annotation) in enumerate(parameters):
                for value in self.values(parameter, annotation, handles):
                    arguments = list(ordinary)
                    arguments[position] = value
                    outs = []
                    for i, argument in enumerate(arguments):
                        if isinstance(argument, type):
                            arguments[i] = argument()
                        elif argument == "buffer":
                            arguments[i] = ctypes.create_string_buffer(_native.TEXT_CAPACITY)
                        elif argument == "out":
                            outs.append(ctypes.c_uint64(0) if parameters[i][0] == "handleOut" else ctypes.c_int(0))
                            arguments[i] = ctypes.byref(outs[-1])
                    with self.subTest(export=name, parameter=parameter, value=repr(value)[:20]):
                        getattr(lib, name)(*arguments)
                        for out in outs:
                            if isinstance(out, ctypes.c_uint64) and out.value:
                                self.assertGreater(lib.py_get_obj_size(out.value), -1)
                                if out.value not in live:
                                    lib.py_release_obj(out.value)
        for handle in handles[2:6]:
            lib.py_release_obj(handle)


if __name__ == "__main__":
    unittest.main()
