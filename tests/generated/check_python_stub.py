"""The generated stub of the package's _native module declares every public
name the module has, and every export the library is loaded with."""
import ast
import inspect
import os
import sys
import unittest

PACKAGE_PARENT = sys.argv[1]
sys.path.insert(0, PACKAGE_PARENT)
from kv_cobalt import _native  # noqa: E402


class NativeStub(unittest.TestCase):
    def test_stub_covers_the_module(self):
        with open(os.path.join(PACKAGE_PARENT, "kv_cobalt", "_native.pyi"), encoding="utf-8") as stub_file:
            stub = ast.parse(stub_file.read())
        declared = set()
        library_methods = set()
        for node in stub.body:
            if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
                declared.add(node.name)
            elif isinstance(node, ast.AnnAssign):
                declared.add(node.target.id)
            elif isinstance(node, ast.ImportFrom):
                declared.update(alias.asname or alias.name for alias in node.names)
            if isinstance(node, ast.ClassDef) and node.name == "Library":
                library_methods = {f.name for f in node.body if isinstance(f, ast.FunctionDef)}
        public = {name for name, value in vars(_native).items()
                  if not name.startswith("_") and not inspect.ismodule(value)
                  and getattr(value, "__module__", _native.__name__) == _native.__name__}
        self.assertEqual(public - declared, set(), "names of _native missing from _native.pyi")
        exports = set(_native.POOL_FUNCTIONS) | set(_native.LIST_FUNCTIONS)
        self.assertEqual(len(exports), 52)
        self.assertEqual(library_methods, exports)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
