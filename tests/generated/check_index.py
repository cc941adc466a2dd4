"""The ReaPack index: well-formed, complete, of the project version, and the
committed index.xml is the one the build generates now."""
import re
import sys
import unittest
import xml.etree.ElementTree as ET

GENERATED, COMMITTED, VERSION, EXTENSION = sys.argv[1:5]
PLATFORMS = {"linux64": ".so", "win64": ".dll", "darwin64": ".dylib", "darwin-arm64": ".dylib"}


class ReaPackIndex(unittest.TestCase):
    def test_committed_index_is_current(self):
        with open(GENERATED, encoding="utf-8") as new, open(COMMITTED, encoding="utf-8") as old:
            self.assertEqual(old.read(), new.read(),
                             "index.xml is stale: run `cmake --build build --target generated`")

    def test_index_is_complete(self):
        root = ET.parse(GENERATED).getroot()
        self.assertEqual(root.tag, "index")
        self.assertEqual(root.get("version"), "1")
        self.assertTrue(root.get("name"))
        packages = root.findall("./category/reapack")
        self.assertEqual(len(packages), 1)
        package = packages[0]
        self.assertEqual(package.get("name"), EXTENSION.rsplit(".", 1)[0] + ".ext")
        self.assertEqual(package.get("type"), "extension")
        self.assertTrue(package.get("desc"))
        self.assertIn("Licensed under the MIT License", package.findtext("metadata/description", ""))
        versions = package.findall("version")
        self.assertEqual([v.get("name") for v in versions], [VERSION])
        version = versions[0]
        self.assertTrue(version.get("author"))
        self.assertRegex(version.get("time"), r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}Z$")
        self.assertTrue(version.findtext("changelog", "").strip())
        sources = {s.get("platform"): s for s in version.findall("source") if s.get("platform")}
        self.assertEqual(set(sources), set(PLATFORMS))
        # The module's Lua file and the Python ReaScript wrapper, for every platform, beside the library.
        stem = EXTENSION.rsplit(".", 1)[0]
        shared = [s for s in version.findall("source") if not s.get("platform")]
        self.assertEqual([s.get("file") for s in shared], [stem + ".lua", stem + "_python.py"])
        for source in shared:
            self.assertRegex(source.text, r"^https://\S+/v" + re.escape(VERSION) + "/" + re.escape(source.get("file")) + "$")
        for platform, suffix in PLATFORMS.items():
            source = sources[platform]
            self.assertEqual(source.get("file"), stem + suffix)
            self.assertRegex(source.text, r"^https://\S+" + re.escape(suffix) + "$")
            self.assertIn("/v" + VERSION + "/", source.text)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
