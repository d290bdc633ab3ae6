#!/usr/bin/env python3
"""Draws the program icon, a red map pin on a transparent ground, as ui/win32/art/pinmover.ico:
two 32 x 32 images, 16 colours and 256 colours. Run it again after changing the drawing."""
import math
import struct
from pathlib import Path

SIZE = 32
HEAD_X, HEAD_Y, HEAD_R = 15.5, 12.0, 10.5   # the pin's round head
TIP_X, TIP_Y = 15.5, 30.5                   # its point
HOLE_R = 4.0                                # the white hole in the head


def inside_pin(x, y):
    """Head circle plus the cone from the circle's tangents down to the tip."""
    dx, dy = x - HEAD_X, y - HEAD_Y
    if dx * dx + dy * dy <= HEAD_R * HEAD_R:
        return True
    if y < HEAD_Y or y > TIP_Y:
        return False
    # Half-width of the cone at this height, narrowing linearly to the tip.
    distance = TIP_Y - HEAD_Y
    tangent = math.asin(HEAD_R / distance)
    half_width = (TIP_Y - y) * math.tan(tangent)
    return abs(x - TIP_X) <= half_width


def shade(x, y):
    """A colour name for the pixel whose centre is (x, y), or None where the ground shows."""
    cx, cy = x + 0.5, y + 0.5
    if not inside_pin(cx, cy):
        # A soft shadow to the lower right of the point.
        if 26 <= cy <= 31 and abs(cx - 21) + abs(cy - 29.5) * 2 <= 7 and not inside_pin(cx - 1, cy):
            return "shadow"
        return None
    dx, dy = cx - HEAD_X, cy - HEAD_Y
    r2 = dx * dx + dy * dy
    if r2 <= HOLE_R * HOLE_R:
        return "white"
    if not inside_pin(cx + 1, cy) or not inside_pin(cx, cy + 1) or not inside_pin(cx - 1, cy) \
            or not inside_pin(cx, cy - 1):
        return "outline"
    if (cx - (HEAD_X - 4)) ** 2 + (cy - (HEAD_Y - 4)) ** 2 <= 6:
        return "highlight"
    if dx + dy > 6:
        return "dark"
    return "red"


COLOURS_256 = {
    "outline": (96, 0, 0),
    "dark": (176, 16, 16),
    "red": (228, 40, 32),
    "highlight": (255, 150, 140),
    "white": (255, 255, 255),
    "shadow": (128, 128, 128),
}
# The 16-colour image keeps to the standard VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
COLOURS_16 = {"outline": 1, "dark": 1, "red": 9, "highlight": 9, "white": 15, "shadow": 8}


def pixels():
    return [[shade(x, y) for x in range(SIZE)] for y in range(SIZE)]


def row_bytes(bits_per_pixel):
    return ((SIZE * bits_per_pixel + 31) // 32) * 4


def and_mask(image):
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray(row_bytes(1))
        for x in range(SIZE):
            if image[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def bitmap(image, bits_per_pixel, palette, index_of):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bits_per_pixel, 0,
                         0, 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pixel_rows = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray(row_bytes(bits_per_pixel))
        for x in range(SIZE):
            index = 0 if image[y][x] is None else index_of(image[y][x])
            if bits_per_pixel == 4:
                row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            else:
                row[x] = index
        pixel_rows += row
    return header + colours + bytes(pixel_rows) + and_mask(image)


def main():
    image = pixels()
    names = list(COLOURS_256)
    palette_256 = [(0, 0, 0)] + [COLOURS_256[n] for n in names]
    palette_256 += [(0, 0, 0)] * (256 - len(palette_256))
    images = [
        (16, bitmap(image, 4, VGA, lambda n: COLOURS_16[n]), 4),
        (0, bitmap(image, 8, palette_256, lambda n: names.index(n) + 1), 8),
    ]
    icon = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for colour_count, data, bits in images:
        icon += struct.pack("<BBBBHHII", SIZE, SIZE, colour_count, 0, 1, bits, len(data), offset)
        offset += len(data)
    icon += b"".join(data for _, data, _ in images)
    Path(__file__).with_name("pinmover.ico").write_bytes(icon)


if __name__ == "__main__":
    main()
