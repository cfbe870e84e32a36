#!/usr/bin/env python3
"""Writes the seed corpus of the GIF fuzz target: small GIF files of our own,
whole ones and damaged ones, into corpus/gif/ beside this script."""

import importlib.util
import pathlib
import struct

HERE = pathlib.Path(__file__).parent
loader = importlib.util.spec_from_file_location("about", HERE.parent.parent / "assets" / "make-about-animation.py")
about = importlib.util.module_from_spec(loader)
loader.loader.exec_module(about)


def table(bits):
    return b"".join(bytes(((i * 37 + 11) & 255, (i * 91 + 7) & 255, (i * 53 + 200) & 255)) for i in range(1 << bits))


def screen(width, height, bits, background=0, signature=b"GIF89a"):
    flags = (0x80 | (bits - 1)) if bits else 0
    return signature + struct.pack("<HHBBB", width, height, flags | 0x70, background, 0) + (table(bits) if bits else b"")


def pattern(width, height, colors, seed):
    state, pixels = seed * 2654435761 + 1 & 0xFFFFFFFF, bytearray()
    while len(pixels) < width * height:
        state ^= state << 13 & 0xFFFFFFFF
        state ^= state >> 17
        state ^= state << 5 & 0xFFFFFFFF
        pixels += bytes([state % colors]) * (1 + state % 7)
    return bytes(pixels[:width * height])


def data(pixels, code_size):
    return bytes([code_size]) + about.sub_blocks(about.lzw(pixels, code_size))


def image(width, height, bits, seed, left=0, top=0, local=0, interlaced=False, code_size=None):
    flags = (0x80 | (local - 1) if local else 0) | (0x40 if interlaced else 0)
    head = b"," + struct.pack("<HHHHB", left, top, width, height, flags) + (table(local) if local else b"")
    return head + data(pattern(width, height, 1 << max(bits, local), seed), code_size or max(bits, local, 2))


def control(disposal, delay, transparent=None):
    return b"!\xF9\x04" + struct.pack("<BHBB", disposal << 2 | (transparent is not None), delay, transparent or 0, 0)


def self_reference():
    """Codes that make a string its own prefix (code size 2)."""
    out = about.BitWriter()
    for code, width in ((4, 3), (0, 3), (7, 3), (7, 3), (7, 4), (5, 4)):
        out.put(code, width)
    return out.flush()


LOOP = b"!\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
seeds = {
    "small": screen(8, 8, 2) + image(8, 8, 2, 1) + b";",
    "interlaced-transparent": screen(13, 9, 4) + control(2, 5, 3) + image(13, 9, 4, 2, interlaced=True) + b";",
    "two-frames": screen(20, 10, 3, 7) + LOOP + b"!\xFE\x05hello\x00" + control(1, 10) + image(20, 10, 3, 3)
    + control(3, 20, 1) + image(9, 4, 3, 4, left=5, top=3, local=5) + b"!\xFE\x03end\x00;",
    "two-colours": screen(17, 5, 1) + control(0, 0, 1) + image(17, 5, 1, 5) + b";",
    "no-table": screen(6, 6, 0) + image(6, 6, 0, 6, code_size=2) + b";",
    "zero-size": screen(0, 0, 2) + image(0, 0, 2, 7) + b";",
    "unknown-extension": screen(4, 4, 2) + image(4, 4, 2, 8) + b"!\x3A\x00;",
    "bytes-after-image": screen(4, 4, 2) + image(4, 4, 2, 9) + b"XYZ",
    "plain-text": screen(4, 4, 2) + control(1, 1) + b"!\x01\x0C" + bytes(12) + b"\x02hi\x00" + image(4, 4, 2, 10),
    "code-size-1": screen(8, 8, 1) + image(8, 8, 1, 11)[:10] + b"\x01" + image(8, 8, 1, 11)[11:] + b";",
    "code-size-10": screen(8, 8, 2) + image(8, 8, 2, 12)[:10] + b"\x0A" + image(8, 8, 2, 12)[11:] + b";",
    "self-reference": screen(10, 10, 2) + b"," + struct.pack("<HHHHB", 0, 0, 10, 10, 0) + b"\x02"
    + about.sub_blocks(self_reference()) + b";",
    "full-table": screen(64, 64, 8) + image(64, 64, 8, 13) + b";",
}
whole = screen(40, 30, 4) + image(40, 30, 4, 14)
seeds["cut-short"] = whole[:-6]
seeds["no-terminator"] = whole[:-1]
seeds["cut-in-header"] = whole[:20]

for name, content in seeds.items():
    (HERE / "corpus" / "gif" / f"{name}.gif").write_bytes(content)
