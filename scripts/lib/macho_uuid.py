"""macho_uuid.py LIBRARY CONTENT: gives the 64-bit Mach-O LIBRARY a UUID made
from CONTENT (the same library stripped), so that builds of the same sources
in different folders, whose debug maps name different object paths, get the
same UUID. The hash leaves out the UUID itself and the code signature, which
covers it; the caller signs again."""
import hashlib
import struct
import sys

LC_UUID, LC_CODE_SIGNATURE = 0x1B, 0x1D


def commands(data):
    magic, _, _, _, count = struct.unpack_from("<IiiII", data)
    if magic != 0xFEEDFACF:
        sys.exit("not a 64-bit Mach-O file")
    offset = 32
    for _ in range(count):
        command, size = struct.unpack_from("<II", data, offset)
        yield command, offset
        offset += size


def uuid_offset(data):
    for command, offset in commands(data):
        if command == LC_UUID:
            return offset + 8
    sys.exit("no LC_UUID")


def uuid_from(data):
    data = bytearray(data)
    start = uuid_offset(data)
    data[start:start + 16] = bytes(16)
    for command, offset in commands(data):
        if command == LC_CODE_SIGNATURE:
            signature, _ = struct.unpack_from("<II", data, offset + 8)
            del data[signature:]
    uuid = bytearray(hashlib.sha256(data).digest()[:16])
    uuid[6] = (uuid[6] & 0x0F) | 0x50  # name-based, RFC 4122
    uuid[8] = (uuid[8] & 0x3F) | 0x80
    return bytes(uuid)


def main(library, content):
    with open(content, "rb") as file:
        uuid = uuid_from(file.read())
    with open(library, "r+b") as file:
        data = file.read()
        file.seek(uuid_offset(data))
        file.write(uuid)


if __name__ == "__main__":
    main(*sys.argv[1:])
