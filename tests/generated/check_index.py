"""The committed ReaPack index: well-formed, of the project version, every
source verified by its hash, and every platform given the whole package (the
library, the Lua file, the Python wrapper and every kv_cobalt file) or
nothing. Given the folder of a release, the index is the one that release
wrote and every hash is that of the file the release made.

check_index.py INDEX VERSION EXTENSION PACKAGE_DIR [RELEASE_DIR]"""
import hashlib
import os
import re
import sys
import unittest
import xml.etree.ElementTree as ET

INDEX, VERSION, EXTENSION, PACKAGE = sys.argv[1:5]
RELEASE = sys.argv[5] if len(sys.argv) > 5 else None
STEM = EXTENSION.rsplit(".", 1)[0]
PLATFORMS = {"linux64": ".so", "linux32": ".so", "linux-aarch64": ".so", "linux-armv7l": ".so",
             "win64": ".dll", "win32": ".dll", "darwin64": ".dylib", "darwin-arm64": ".dylib"}
STALE = "run scripts/release and commit index.xml"


def released(source):
    return source.text.rsplit("/", 1)[1]


class ReaPackIndex(unittest.TestCase):
    def setUp(self):
        self.root = ET.parse(INDEX).getroot()
        self.sources = self.root.findall("./category/reapack/version/source")

    def test_index_and_package(self):
        root = self.root
        self.assertEqual((root.tag, root.get("version"), root.get("name")), ("index", "1", STEM))
        self.assertIn("glibc 2.17", root.findtext("metadata/description", ""))
        self.assertRegex(root.find("metadata/link[@rel='website']").get("href", ""), r"^https://")
        packages = root.findall("./category/reapack")
        self.assertEqual(len(packages), 1)
        package = packages[0]
        self.assertEqual((package.get("name"), package.get("type")), (STEM + ".ext", "extension"))
        self.assertTrue(package.get("desc"))
        self.assertIn("Licensed under the MIT License", package.findtext("metadata/description", ""))
        versions = package.findall("version")
        self.assertEqual([v.get("name") for v in versions], [VERSION])
        self.assertTrue(versions[0].get("author"))
        self.assertRegex(versions[0].get("time"), r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}Z$")
        self.assertTrue(versions[0].findtext("changelog", "").strip())

    def test_every_source_verified_from_this_version(self):
        for source in self.sources:
            self.assertRegex(source.get("hash", ""), r"^1220[0-9a-f]{64}$", source.text)
            self.assertRegex(source.text, r"^https://\S+/v" + re.escape(VERSION) + r"/[^/]+$")
            # ReaPack drops `..`: a file must not climb out of UserPlugins.
            self.assertNotIn("..", source.get("file"))

    def test_each_platform_whole_or_nothing(self):
        package = sorted(name for name in os.listdir(PACKAGE) if os.path.isfile(os.path.join(PACKAGE, name)))
        self.assertIn("__init__.py", package)
        shared = {STEM + ".lua", STEM + "_python.py", STEM + "_python.pyi"} | {"kv_cobalt/" + name for name in package}
        by_platform = {}
        for source in self.sources:
            self.assertIn(source.get("platform"), PLATFORMS, "a source without a library's platform")
            by_platform.setdefault(source.get("platform"), {})[source.get("file")] = source
        self.assertEqual(set(by_platform), set(PLATFORMS))
        for platform, files in by_platform.items():
            library = STEM + PLATFORMS[platform]
            self.assertEqual(set(files), shared | {library}, platform)
            self.assertTrue(released(files[library]).endswith(PLATFORMS[platform]))
            for name in shared:
                # The same released file, with the same hash, for every platform.
                reference = by_platform["linux64"][name]
                self.assertEqual((files[name].text, files[name].get("hash")), (reference.text, reference.get("hash")))

    @unittest.skipIf(RELEASE is None, "no release folder given")
    def test_release_made_this_index(self):
        with open(INDEX, encoding="utf-8") as committed, open(os.path.join(RELEASE, "index.xml"), encoding="utf-8") as new:
            self.assertEqual(committed.read(), new.read(), "index.xml is not the release's: " + STALE)
        for source in self.sources:
            with open(os.path.join(RELEASE, released(source)), "rb") as file:
                digest = hashlib.sha256(file.read()).hexdigest()
            self.assertEqual(source.get("hash"), "1220" + digest, released(source) + ": " + STALE)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
