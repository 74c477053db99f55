#!/usr/bin/env python3
"""Collection files for the end-to-end flows: the bytes a flow expects.

  kvd.py dump FILE                     one line per entry (repr of the fields)
  kvd.py expect IN OUT OP...           OUT = IN with the operations applied:
      add:A|T|Y|D|TRACKS|NOTES         append an entry ("\\n" in a field = CR LF)
      del:ARTIST-PREFIX                remove the first entry whose artist starts so
      append-artist:PREFIX:SUFFIX      add SUFFIX to that entry's artist
  kvd.py count FILE                    the entries of a file that holds just them
"""
import struct
import sys


def read_string(data, pos):
    """A length byte; 0xFF: a 16-bit length follows; 0xFFFF: a 32-bit one."""
    n, pos = data[pos], pos + 1
    if n == 0xFF:
        (n,), pos = struct.unpack_from("<H", data, pos), pos + 2
    if n == 0xFFFF:
        (n,), pos = struct.unpack_from("<I", data, pos), pos + 4
    return data[pos:pos + n], pos + n


def read(path, exact=False):
    data = open(path, "rb").read()
    assert data[:4] == b"KOLV" and struct.unpack_from("<I", data, 4)[0] == 1
    (count,) = struct.unpack_from("<i", data, 8)
    pos, entries = 12, []
    for _ in range(count):
        fields = []
        for _ in range(6):
            text, pos = read_string(data, pos)
            if pos > len(data):
                raise ValueError("the file ends inside an entry")
            fields.append(text)
        entries.append(fields)
    if exact and pos != len(data):
        raise ValueError(f"{len(data) - pos} bytes after the last entry")
    return entries


def write_string(text):
    n = len(text)
    if n < 255:
        return bytes([n]) + text
    if n < 65534:
        return b"\xff" + struct.pack("<H", n) + text
    return b"\xff\xff\xff" + struct.pack("<I", n) + text


def serialize(entries):
    parts = [b"KOLV" + struct.pack("<Ii", 1, len(entries))]
    parts += (write_string(f) for fields in entries for f in fields)
    return b"".join(parts)


def find(entries, prefix):
    found = [i for i, e in enumerate(entries) if e[0].startswith(prefix.encode("cp1252"))]
    if not found:
        raise SystemExit(f"no entry whose artist starts with {prefix!r}")
    return found[0]


def main(args):
    if args[0] == "dump":
        for e in read(args[1]):
            print(e)
        return 0
    if args[0] == "count":
        try:
            print(len(read(args[1], exact=True)))
        except (AssertionError, ValueError, struct.error, IndexError) as error:
            print(f"not a collection file: {error}", file=sys.stderr)
            return 1
        return 0
    entries = read(args[1])
    for op in args[3:]:
        kind, _, rest = op.partition(":")
        if kind == "add":
            fields = [f.replace("\\n", "\r\n").encode("cp1252") for f in rest.split("|")]
            assert len(fields) == 6
            entries.append(fields)
        elif kind == "del":
            del entries[find(entries, rest)]
        elif kind == "append-artist":
            prefix, _, suffix = rest.partition(":")
            entries[find(entries, prefix)][0] += suffix.encode("cp1252")
        else:
            raise SystemExit(f"unknown operation {op}")
    open(args[2], "wb").write(serialize(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
