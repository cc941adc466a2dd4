"""Installs one platform's files of a ReaPack index from a release folder into
a REAPER resource folder as ReaPack installs an extension package: every
source of that platform, under UserPlugins in the sub-folders its `file`
names (`..` dropped), each checked against its hash first; one bad file and
nothing is installed.

reapack_install.py INDEX RELEASE_DIR PLATFORM RESOURCE_DIR"""
import hashlib
import os
import sys
import xml.etree.ElementTree as ET

index, release, platform, resource = sys.argv[1:5]
files = {}
for source in ET.parse(index).getroot().iter("source"):
    if source.get("platform") != platform:
        continue
    with open(os.path.join(release, source.text.rsplit("/", 1)[1]), "rb") as download:
        data = download.read()
    if source.get("hash") != "1220" + hashlib.sha256(data).hexdigest():
        sys.exit("hash mismatch, nothing installed: " + source.text)
    parts = [part for part in source.get("file").split("/") if part not in ("", ".", "..")]
    files[os.path.join(resource, "UserPlugins", *parts)] = data
if not files:
    sys.exit("nothing to install for " + platform)
for path, data in files.items():
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as installed:
        installed.write(data)
print("installed %d files for %s" % (len(files), platform))
