#!/usr/bin/env python3
"""Draws the program's icons as .ico files (standard library only).

    resources/icons/draw_icons.py [output folder]

Each picture is a stack of filled shapes in a 32 x 32 unit square; a point
takes the colour of the topmost shape that covers it, and stays transparent
where none does. Every picture is drawn at each size of SIZES, from the same
shapes, as a 32-bit image with alpha: each pixel averages a grid of points
inside it, so that edges are smooth. The program loads the size for its
windows' DPI (32 at 96 DPI, 48 at 144, 64 at 192, the sizes between for the
steps between), the shell the 256 one for its large views, stored as PNG as
usual for that size. The output is committed; run this again after changing
a picture.
"""

import math
import os
import struct
import sys
import zlib

# Colours, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
# Sizes from this one up are stored as PNG.
PNG_FROM = 256


# Shapes: predicates over a point (x, y) of the 32-unit square, y downwards.

def rect(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def stroke(x0, y0, x1, y1, width):
    """A straight stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def covers(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return covers


def arc(cx, cy, r, start_deg, end_deg, width):
    """A circular stroke from start to end angle (degrees, clockwise from 3 o'clock)."""
    def covers(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (angle - start_deg) % 360 <= (end_deg - start_deg) % 360
    return covers


def polygon(*points):
    """A convex or concave polygon, by the even-odd rule."""
    def covers(x, y):
        inside = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return inside
    return covers


def arrow_right(left, right, cy, shaft, head):
    return polygon((left, cy - shaft), (right - head, cy - shaft), (right - head, cy - head),
                   (right, cy), (right - head, cy + head), (right - head, cy + shaft),
                   (left, cy + shaft))


def arrow_left(left, right, cy, shaft, head):
    return polygon((right, cy - shaft), (left + head, cy - shaft), (left + head, cy - head),
                   (left, cy), (left + head, cy + head), (left + head, cy + shaft),
                   (right, cy + shaft))


def check_mark(x, y, colour):
    return [(stroke(x, y + 3, x + 2.5, y + 5.5, 2.2), colour),
            (stroke(x + 2.5, y + 5.5, x + 7, y, 2.2), colour)]


# The pictures, bottom layer first.

def program_icon():
    """A ruler between two arrows pointing both ways: converting units."""
    layers = [(disc(16, 16, 15.5), NAVY), (disc(16, 16, 14.5), BLUE),
              (rect(4, 13, 28, 20), BLACK), (rect(5, 14, 27, 19), YELLOW)]
    for i, x in enumerate(range(7, 27, 3)):
        layers.append((rect(x, 14, x + 1, 16.5 if i % 2 else 17.5), BLACK))
    layers += [(arrow_right(9, 25, 8.5, 1.2, 3.5), WHITE),
               (arrow_left(7, 23, 24, 1.2, 3.5), WHITE)]
    return layers


def exit_icon():
    """An open door with an arrow leading out."""
    return [(rect(5, 3, 20, 30), GRAY), (rect(7, 5, 18, 30), BLACK),
            (polygon((7, 5), (15, 8), (15, 30), (7, 30)), MAROON),
            (disc(13, 18, 1), YELLOW),
            (arrow_right(17, 31, 18, 2, 5.5), GREEN),
            (arrow_right(18, 29.5, 18, 1, 3.5), LIME)]


def help_icon():
    """A question mark on a blue disc."""
    return [(disc(16, 16, 15.5), NAVY), (disc(16, 16, 14.5), BLUE),
            (arc(16, 12, 5, 170, 80, 3.4), WHITE),
            (stroke(19.5, 15.5, 16, 18.5, 3.4), WHITE),
            (stroke(16, 18.5, 16, 20, 3.4), WHITE),
            (disc(16, 25, 2.1), WHITE)]


def customize_icon():
    """A list of tabs, two ticked, with arrows for moving them."""
    layers = [(rect(2, 3, 23, 30), BLACK), (rect(3, 4, 22, 29), WHITE)]
    for row, ticked in enumerate((True, False, True)):
        top = 6 + row * 8
        layers += [(rect(5, top, 11, top + 6), BLACK), (rect(6, top + 1, 10, top + 5), WHITE),
                   (rect(13, top + 2, 20, top + 4), GRAY)]
        if ticked:
            layers += check_mark(5, top, GREEN)
    layers += [(polygon((27, 3), (31.5, 9), (22.5, 9)), TEAL), (rect(25.5, 9, 28.5, 14), TEAL),
               (polygon((27, 30), (31.5, 24), (22.5, 24)), TEAL), (rect(25.5, 19, 28.5, 24), TEAL)]
    return layers


ICONS = {
    "program.ico": program_icon,
    "exit.ico": exit_icon,
    "help.ico": help_icon,
    "customize.ico": customize_icon,
}


def samples_per_side(size):
    """Points per pixel side: enough for smooth edges, fewer where pixels are many."""
    return 6 if size <= 64 else 3


def rasterise(layers, size):
    """Rows of (red, green, blue, alpha), top row first."""
    scale = 32 / size
    grid = samples_per_side(size)
    offsets = [(i + 0.5) / grid for i in range(grid)]
    topmost_first = list(reversed(layers))
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            red = green = blue = covered = 0
            for oy in offsets:
                y = (py + oy) * scale
                for ox in offsets:
                    x = (px + ox) * scale
                    for covers, colour in topmost_first:
                        if covers(x, y):
                            r, g, b = PALETTE[colour]
                            red, green, blue, covered = red + r, green + g, blue + b, covered + 1
                            break
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(red / covered), round(green / covered), round(blue / covered),
                            round(255 * covered / (grid * grid))))
        rows.append(row)
    return rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def bitmap_image(rows):
    """One image as a 32-bit DIB: header, colour bits with alpha, mask bits."""
    size = len(rows)
    colour_bits = b""
    mask_bits = b""
    for row in reversed(rows):  # bottom-up
        colour_bits += b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in row)
        mask = 0
        for _, _, _, alpha in row:
            mask = (mask << 1) | (alpha == 0)
        mask_bits += padded(mask.to_bytes((size + 7) // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 0, 0)
    return header + colour_bits + mask_bits


def png_image(rows):
    """One image as a PNG file: 8-bit RGBA, not interlaced."""
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(pixel) for pixel in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_file(layers):
    images = [(png_image if size >= PNG_FROM else bitmap_image)(rasterise(layers, size)) for size in SIZES]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = len(data) + 16 * len(images)
    for size, image in zip(SIZES, images):
        side = size if size < 256 else 0  # 0 stands for 256
        data += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return data + b"".join(images)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, picture in ICONS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(ico_file(picture()))


if __name__ == "__main__":
    main()
