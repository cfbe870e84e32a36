#!/usr/bin/env python3
"""Draws the About page's animation and writes it as About.gif.

A framed landscape through one day: the sun rises on the left, crosses the
sky and sets on the right while the sky, the hills and the lake change their
colours and two clouds drift by. 100 x 100 pixels, 19 frames.

The GIF is made here from our own drawing with our own LZW encoder, in
integer arithmetic only, so the same bytes come out on every machine:
GIF89a, a 256-entry global table with index 255 black as the background, a
"NETSCAPE2.0" loop block with loop count 0, one comment block, then 19
full-screen frames, each after a graphic control block (disposal 1, delay 10,
no transparency), minimum code size 8, frames 2 to 19 with local 256-entry
tables.

    make-about-animation.py [--output FILE]   writes the GIF (default: About.gif beside this script)
    make-about-animation.py --check FILE      exits 1 unless FILE holds exactly these bytes
"""

import argparse
import pathlib
import struct
import sys

SIZE = 100
FRAMES = 19
NOON = (FRAMES - 1) // 2
BORDER = 6
HORIZON = 66
LAKE_TOP = 80
COMMENT = b"Skelvora About animation: a day over the hills. Drawn by assets/make-about-animation.py."

# Palette layout, the same in every frame; the colours change with the time of day.
SKY, SKY_COUNT = 0, 96
SUN, SUN_COUNT = 96, 32
FAR_HILL, NEAR_HILL, HILL_COUNT = 128, 160, 32
LAKE, LAKE_COUNT = 192, 32
WOOD, WOOD_COUNT = 224, 16
CLOUD, CLOUD_COUNT = 240, 15
BLACK = 255


def mix(a, b, num, den):
    """The colour num/den of the way from a to b."""
    return tuple(a[i] + (b[i] - a[i]) * num // den for i in range(3))


def scale(color, percent):
    return tuple(min(255, c * percent // 100) for c in color)


def daylight(frame):
    """0 at sunrise and sunset, 100 at noon."""
    return 100 * (NOON * NOON - (frame - NOON) ** 2) // (NOON * NOON)


def through_the_day(dawn, noon, dusk, frame):
    if frame <= NOON:
        return mix(dawn, noon, frame, NOON)
    return mix(noon, dusk, frame - NOON, FRAMES - 1 - NOON)


def palette(frame):
    light = daylight(frame)
    top = through_the_day((40, 40, 96), (40, 110, 220), (30, 20, 72), frame)
    horizon = through_the_day((250, 150, 90), (170, 210, 250), (240, 110, 70), frame)
    colors = [mix(top, horizon, i, SKY_COUNT - 1) for i in range(SKY_COUNT)]
    colors += [mix((255, 252, 215), (255, 170 - light // 2, 60), i, SUN_COUNT - 1) for i in range(SUN_COUNT)]
    far = scale((90, 140, 110), 55 + light * 45 // 100)
    near = scale((60, 130, 50), 50 + light * 50 // 100)
    colors += [mix(far, scale(far, 70), i, HILL_COUNT - 1) for i in range(HILL_COUNT)]
    colors += [mix(near, scale(near, 55), i, HILL_COUNT - 1) for i in range(HILL_COUNT)]
    colors += [mix(scale(horizon, 85), scale(top, 70), i, LAKE_COUNT - 1) for i in range(LAKE_COUNT)]
    colors += [mix((200, 150, 90), (110, 70, 35), i, WOOD_COUNT - 1) for i in range(WOOD_COUNT)]
    colors += [mix((255, 255, 255), scale(horizon, 90), i, CLOUD_COUNT - 1) for i in range(CLOUD_COUNT)]
    colors.append((0, 0, 0))
    assert len(colors) == 256
    return colors


def triangle(x, period, amplitude):
    phase = x % period
    half = period // 2
    return amplitude * (phase if phase < half else period - phase) // half


def sun_position(frame):
    x = 14 + frame * 72 // (FRAMES - 1)
    y = HORIZON - 4 - 44 * daylight(frame) // 100
    return x, y


def in_cloud(x, y, cx, cy):
    """The cloud's shade at (x, y), or None outside: three overlapping puffs."""
    for dx, dy, rx, ry in ((0, 0, 9, 4), (-6, 2, 6, 3), (6, 1, 7, 3)):
        px, py = x - cx - dx, y - cy - dy
        if px * px * ry * ry + py * py * rx * rx <= rx * rx * ry * ry:
            return min(CLOUD_COUNT - 1, max(0, (y - cy + 4) * CLOUD_COUNT // 9))
    return None


def wood(x, y):
    """The picture frame: a dark outline, then wood lit from the top left."""
    edge = min(x, y, SIZE - 1 - x, SIZE - 1 - y)
    if edge == 0:
        return BLACK
    lit = edge in (x, y)
    shade = edge * 2 + (0 if lit else 5)
    return WOOD + min(WOOD_COUNT - 1, shade)


def draw(frame):
    sun_x, sun_y = sun_position(frame)
    clouds = [((frame * 3 + 20) % 110 - 5, 22), ((frame * 2 + 70) % 110 - 5, 36)]
    pixels = bytearray()
    for y in range(SIZE):
        for x in range(SIZE):
            if min(x, y, SIZE - 1 - x, SIZE - 1 - y) < BORDER:
                pixels.append(wood(x, y))
                continue
            far_ridge = 54 + triangle(x + 7, 46, 9)
            near_ridge = 62 + triangle(x + 29, 30, 7)
            if y >= LAKE_TOP:
                index = LAKE + min(LAKE_COUNT - 1, (y - LAKE_TOP) * 2)
                if abs(x - sun_x) <= 2 + (y - LAKE_TOP) // 3 and (x + y + frame) % 3 and sun_y < HORIZON - 6:
                    index = SUN + SUN_COUNT - 1 - (y - LAKE_TOP)
                pixels.append(index)
            elif y >= near_ridge:
                pixels.append(NEAR_HILL + min(HILL_COUNT - 1, (y - near_ridge) * 2))
            elif y >= far_ridge:
                pixels.append(FAR_HILL + min(HILL_COUNT - 1, (y - far_ridge) * 3))
            else:
                distance = (x - sun_x) ** 2 + (y - sun_y) ** 2
                shade = next((in_cloud(x, y, cx, cy) for cx, cy in clouds if in_cloud(x, y, cx, cy) is not None), None)
                if shade is not None:
                    pixels.append(CLOUD + shade)
                elif distance <= 49:
                    pixels.append(SUN + distance * 8 // 49)
                elif distance <= 144 and (x + y) % 2 == 0:
                    pixels.append(SUN + 12 + (distance - 49) * (SUN_COUNT - 13) // 95)
                else:
                    pixels.append(SKY + min(SKY_COUNT - 1, (y - BORDER) * SKY_COUNT // (HORIZON - BORDER)))
    return pixels


class BitWriter:
    def __init__(self):
        self.bytes = bytearray()
        self.buffer = 0
        self.bits = 0

    def put(self, code, width):
        self.buffer |= code << self.bits
        self.bits += width
        while self.bits >= 8:
            self.bytes.append(self.buffer & 0xFF)
            self.buffer >>= 8
            self.bits -= 8

    def flush(self):
        if self.bits:
            self.bytes.append(self.buffer & 0xFF)
        return bytes(self.bytes)


def lzw(pixels, min_code_size=8):
    """LZW codes, least significant bit first; a clear code whenever the 4096-entry table fills."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    first_free = clear + 2
    out = BitWriter()
    state = {}

    def start():
        state.update(table={bytes([i]): i for i in range(clear)}, next=first_free, width=min_code_size + 1,
                     decoder_next=first_free, first=True)

    def emit(code):
        out.put(code, state["width"])
        # The decoder adds a string for every code but the first after a clear.
        if state["first"]:
            state["first"] = False
        elif state["decoder_next"] < 4096:
            state["decoder_next"] += 1
            if state["decoder_next"] >= 1 << state["width"] and state["width"] < 12:
                state["width"] += 1

    start()
    out.put(clear, state["width"])
    prefix = b""
    for pixel in pixels:
        string = prefix + bytes([pixel])
        if string in state["table"]:
            prefix = string
            continue
        emit(state["table"][prefix])
        state["table"][string] = state["next"]
        state["next"] += 1
        if state["next"] == 4096:
            out.put(clear, state["width"])
            start()
        prefix = bytes([pixel])
    if prefix:
        emit(state["table"][prefix])
    out.put(end, state["width"])
    return out.flush()


def sub_blocks(data):
    out = bytearray()
    for at in range(0, len(data), 255):
        chunk = data[at:at + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def color_table(colors):
    return b"".join(bytes(color) for color in colors)


def animation():
    gif = bytearray(b"GIF89a")
    gif += struct.pack("<HHBBB", SIZE, SIZE, 0xF7, BLACK, 0)
    gif += color_table(palette(0))
    gif += b"!\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    gif += b"!\xFE" + sub_blocks(COMMENT)
    for frame in range(FRAMES):
        gif += b"!\xF9\x04" + struct.pack("<BHBB", 1 << 2, 10, 0, 0)
        local = frame > 0
        gif += b"," + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0x87 if local else 0)
        if local:
            gif += color_table(palette(frame))
        gif += bytes([8]) + sub_blocks(lzw(draw(frame)))
    gif += b";"
    return bytes(gif)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", type=pathlib.Path, default=pathlib.Path(__file__).with_name("About.gif"))
    parser.add_argument("--check", type=pathlib.Path)
    arguments = parser.parse_args()
    data = animation()
    if arguments.check:
        if arguments.check.read_bytes() != data:
            print(f"{arguments.check} differs from what the script draws", file=sys.stderr)
            return 1
        return 0
    arguments.output.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
