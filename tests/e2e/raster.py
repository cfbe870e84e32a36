"""Pixels of screenshots, bitmaps and icons, read through ImageMagick, and
the search for a small picture inside a larger one."""
import subprocess


class Raster:
    """Width x height pixels, each an (r, g, b, a) tuple; row 0 is the top."""

    def __init__(self, width, height, channels, data):
        self.width = width
        self.height = height
        self.channels = channels
        self.data = data

    def pixel(self, x, y):
        at = (y * self.width + x) * self.channels
        rgb = tuple(self.data[at:at + 3])
        return rgb + ((self.data[at + 3],) if self.channels == 4 else (255,))

    def crop(self, left, top, width, height):
        rows = []
        for y in range(top, top + height):
            at = (y * self.width + left) * self.channels
            rows.append(self.data[at:at + width * self.channels])
        return Raster(width, height, self.channels, b"".join(rows))

    def keyed(self):
        """A copy in which the colour of the bottom-left pixel is transparent, as
        menus and icons draw such pictures."""
        key = self.pixel(0, self.height - 1)[:3]
        data = bytearray()
        for y in range(self.height):
            for x in range(self.width):
                colour = self.pixel(x, y)
                data += bytes(colour[:3]) + bytes([0 if colour[:3] == key else colour[3]])
        return Raster(self.width, self.height, 4, bytes(data))

    def rgb(self):
        """The colour bytes alone, row by row."""
        data = bytearray(self.data)
        if self.channels == 4:
            del data[3::4]
        return bytes(data)

    def find(self, picture, area):
        """The top-left (x, y) within area (left, top, width, height) where
        every opaque pixel of picture matches, or None; the first such place
        row by row. Only the places where the picture's longest row of
        opaque pixels is found are tried whole."""
        left, top, width, height = area
        opaque = [(x, y, picture.pixel(x, y)[:3]) for y in range(picture.height)
                  for x in range(picture.width) if picture.pixel(x, y)[3] == 255]
        run_x, run_y, run = picture.longest_opaque_run()
        screen, stride = self.rgb(), self.width * 3
        for y in range(top, top + height - picture.height + 1):
            row = (y + run_y) * stride
            start, end = row + (left + run_x) * 3, row + (left + width - picture.width + run_x) * 3 + len(run)
            at = screen.find(run, start, end)
            while at >= 0:
                x = (at - row) // 3 - run_x
                if (at - row) % 3 == 0 and all(self.pixel(x + dx, y + dy)[:3] == colour
                                               for dx, dy, colour in opaque):
                    return x, y
                at = screen.find(run, at + 1, end)
        return None

    def longest_opaque_run(self):
        """(x, y, colour bytes) of the longest row of opaque pixels side by side."""
        best = (0, 0, b"")
        for y in range(self.height):
            x = 0
            while x < self.width:
                end = x
                while end < self.width and self.pixel(end, y)[3] == 255:
                    end += 1
                if 3 * (end - x) > len(best[2]):
                    best = (x, y, b"".join(bytes(self.pixel(i, y)[:3]) for i in range(x, end)))
                x = end + 1
        return best


def load(path):
    """Any picture file ImageMagick reads (the first picture of an icon file)."""
    pam = subprocess.run(["convert", f"{path}[0]", "-depth", "8", "pam:-"], stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, check=True, timeout=60).stdout
    header, data = pam.split(b"ENDHDR\n", 1)
    fields = dict(line.split(b" ", 1) for line in header.splitlines()[1:])
    width, height, channels = (int(fields[name]) for name in (b"WIDTH", b"HEIGHT", b"DEPTH"))
    if channels not in (3, 4):
        raise ValueError(f"{path}: {channels} channels")
    return Raster(width, height, channels, data[:width * height * channels])


def near(colour, expected, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))
