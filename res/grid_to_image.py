#!/usr/bin/env python3
"""Turns a pixel grid (see icon.txt, toolbar.txt) into a 16-colour .ico or .bmp file.

Usage: grid_to_image.py ico|bmp GRID OUTPUT

A grid file holds '#' comment lines, 'legend CHAR COLOUR' lines and one or more
'image NAME WIDTH HEIGHT' sections, each followed by HEIGHT rows of WIDTH characters.
The images of a file are placed side by side, left to right.
"""
import struct
import sys

# The standard 16-colour palette, in its usual order.
PALETTE = [
    ("black", (0, 0, 0)),
    ("dark-red", (128, 0, 0)),
    ("dark-green", (0, 128, 0)),
    ("dark-yellow", (128, 128, 0)),
    ("dark-blue", (0, 0, 128)),
    ("dark-magenta", (128, 0, 128)),
    ("dark-cyan", (0, 128, 128)),
    ("dark-grey", (128, 128, 128)),
    ("light-grey", (192, 192, 192)),
    ("red", (255, 0, 0)),
    ("green", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("magenta", (255, 0, 255)),
    ("cyan", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
COLOUR_INDEX = {name: i for i, (name, _) in enumerate(PALETTE)}


class GridError(Exception):
    pass


def read_grid(path):
    """Returns the rows of colour indices, top row first."""
    legend = {}
    images = []
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    n = 0
    while n < len(lines):
        line = lines[n]
        where = f"{path}:{n + 1}"
        n += 1
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words[0] == "legend" and len(words) == 3 and len(words[1]) == 1:
            if words[2] not in COLOUR_INDEX:
                raise GridError(f"{where}: unknown colour {words[2]}")
            if words[1] in legend:
                raise GridError(f"{where}: {words[1]} is in the legend twice")
            legend[words[1]] = COLOUR_INDEX[words[2]]
        elif words[0] == "image" and len(words) == 4:
            width, height = int(words[2]), int(words[3])
            rows = lines[n:n + height]
            if len(rows) != height:
                raise GridError(f"{where}: image {words[1]} has fewer than {height} rows")
            pixels = []
            for k, row in enumerate(rows):
                if len(row) != width:
                    raise GridError(f"{path}:{n + k + 1}: {len(row)} pixels, not {width}")
                try:
                    pixels.append([legend[c] for c in row])
                except KeyError as e:
                    raise GridError(f"{path}:{n + k + 1}: {e.args[0]!r} is not in the legend")
            images.append(pixels)
            n += height
        else:
            raise GridError(f"{where}: cannot read {line!r}")
    if not images:
        raise GridError(f"{path}: no image")
    if len({len(image) for image in images}) != 1:
        raise GridError(f"{path}: the images differ in height")
    return [sum((image[y] for image in images), []) for y in range(len(images[0]))]


def dib(rows, height_field, mask=b""):
    """BITMAPINFOHEADER, palette and the 4-bit pixels, bottom row first, then an icon's mask."""
    height, width = len(rows), len(rows[0])
    stride = (width * 4 + 31) // 32 * 4
    bits = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        bits += packed
    bits += mask
    header = struct.pack("<IiiHHIIiiII", 40, width, height_field, 1, 4, 0, len(bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return header + palette + bytes(bits)


def bmp(rows):
    body = dib(rows, len(rows))
    offset = 14 + 40 + 16 * 4
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body


def ico(rows):
    height, width = len(rows), len(rows[0])
    if width > 255 or height > 255:
        raise GridError("an icon is at most 255 pixels wide and high")
    # The icon is opaque: its AND mask is all zero.
    mask = bytes((width + 31) // 32 * 4 * height)
    image = dib(rows, 2 * height, mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    if len(argv) != 4 or argv[1] not in ("ico", "bmp"):
        sys.stderr.write(__doc__)
        return 2
    try:
        rows = read_grid(argv[2])
    except GridError as e:
        sys.stderr.write(f"grid_to_image: {e}\n")
        return 1
    data = ico(rows) if argv[1] == "ico" else bmp(rows)
    with open(argv[3], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
