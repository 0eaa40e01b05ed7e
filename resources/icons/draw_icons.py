#!/usr/bin/env python3
"""Draws the program's icons as 16-colour .ico files (standard library only).

    resources/icons/draw_icons.py [output folder]

Each picture is a stack of filled shapes in a 32 x 32 unit square; a pixel
takes the colour of the topmost shape that covers its centre, and stays
transparent where none does. The same pictures are sampled at 16 x 16 for the
small program icon. The output is committed; run this again after changing a
picture.
"""

import math
import os
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


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
    "program.ico": (program_icon, (32, 16)),
    "exit.ico": (exit_icon, (32,)),
    "help.ico": (help_icon, (32,)),
    "customize.ico": (customize_icon, (32,)),
}


def rasterise(layers, size):
    """Rows of palette indices, top row first; None where transparent."""
    scale = 32 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            x, y = (px + 0.5) * scale, (py + 0.5) * scale
            colour = None
            for covers, layer_colour in layers:
                if covers(x, y):
                    colour = layer_colour
            row.append(colour)
        rows.append(row)
    return rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def icon_image(rows):
    """One image of an .ico file: header, palette, colour bits, mask bits."""
    size = len(rows)
    colour_bits = b""
    mask_bits = b""
    for row in reversed(rows):  # bottom-up
        nibbles = [0 if c is None else c for c in row]
        colour_bits += padded(bytes((a << 4) | b for a, b in zip(nibbles[::2], nibbles[1::2])))
        mask = 0
        for c in row:
            mask = (mask << 1) | (c is None)
        mask_bits += padded(mask.to_bytes(size // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colour_bits + mask_bits


def ico_file(layers, sizes):
    images = [icon_image(rasterise(layers, size)) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = len(data) + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return data + b"".join(images)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (picture, sizes) in ICONS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(ico_file(picture(), sizes))


if __name__ == "__main__":
    main()
