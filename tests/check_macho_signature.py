"""Checks the ad-hoc code signature of an arm64 Mach-O file as macOS does
before it maps a page: the SuperBlob of LC_CODE_SIGNATURE holds a
CodeDirectory whose SHA-256 hash of every page of the file up to the
signature, and of every special slot present, matches the file."""
import hashlib
import struct
import sys

LC_CODE_SIGNATURE = 0x1D
SUPERBLOB = 0xFADE0CC0
CODEDIRECTORY = 0xFADE0C02
CS_ADHOC = 0x2
SHA256 = 2


def fail(message):
    sys.exit(f"{sys.argv[1]}: {message}")


def signature(data):
    magic, _, _, _, ncmds, _, _, _ = struct.unpack_from("<8I", data)
    if magic != 0xFEEDFACF:
        fail("not a 64-bit little-endian Mach-O file")
    at = 32
    for _ in range(ncmds):
        cmd, size = struct.unpack_from("<2I", data, at)
        if cmd == LC_CODE_SIGNATURE:
            return struct.unpack_from("<2I", data, at + 8)
        at += size
    fail("no LC_CODE_SIGNATURE: macOS on arm64 refuses unsigned code")


def blobs(data, offset):
    magic, length, count = struct.unpack_from(">3I", data, offset)
    if magic != SUPERBLOB:
        fail(f"signature is not a SuperBlob (magic {magic:#x})")
    slots = {}
    for i in range(count):
        slot, at = struct.unpack_from(">2I", data, offset + 12 + 8 * i)
        _, size = struct.unpack_from(">2I", data, offset + at)
        if at + size > length:
            fail(f"blob of slot {slot} runs past the SuperBlob")
        slots[slot] = data[offset + at:offset + at + size]
    return slots


def check(path):
    data = open(path, "rb").read()
    dataoff, datasize = signature(data)
    if dataoff + datasize > len(data):
        fail("signature runs past the end of the file")
    slots = blobs(data, dataoff)
    directory = slots.get(0)
    if directory is None:
        fail("no CodeDirectory in the signature")
    (magic, _, version, flags, hash_offset, ident_offset, special, code_slots, code_limit,
     hash_size, hash_type, _, page_log) = struct.unpack_from(">9I4B", directory)
    if magic != CODEDIRECTORY:
        fail(f"slot 0 is not a CodeDirectory (magic {magic:#x})")
    if hash_type != SHA256 or hash_size != 32:
        fail(f"hashes are not SHA-256 (type {hash_type}, size {hash_size})")
    if not flags & CS_ADHOC:
        fail(f"not ad-hoc signed (flags {flags:#x})")
    if code_limit != dataoff:
        fail(f"the signature covers {code_limit} bytes, not the {dataoff} before it")
    page = 1 << page_log
    if code_slots != -(-code_limit // page):
        fail(f"{code_slots} page hashes for {code_limit} bytes in pages of {page}")

    def stored(index):
        at = hash_offset + index * hash_size
        return directory[at:at + hash_size]

    for index in range(code_slots):
        start = index * page
        if hashlib.sha256(data[start:min(start + page, code_limit)]).digest() != stored(index):
            fail(f"page {index} (bytes {start}..) does not match its hash")
    # Special slots count down from -1 (Info.plist, requirements, ...); an
    # absent blob has a hash of zeros.
    for slot in range(1, special + 1):
        blob = slots.get(slot)
        expected = hashlib.sha256(blob).digest() if blob is not None else bytes(hash_size)
        if stored(-slot) != expected:
            fail(f"special slot {slot} does not match its blob")
    identity = directory[ident_offset:directory.index(b"\0", ident_offset)].decode()
    print(f"signature: ad hoc, CodeDirectory version {version:#x}, {code_slots} SHA-256 page hashes "
          f"of {page} bytes match, identifier {identity}")


check(sys.argv[1])
