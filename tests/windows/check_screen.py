#!/usr/bin/env python3
"""Reads a screenshot of the game (xwd -root) and tells where the player stands.

    check_screen.py SCREEN.xwd Data/Dude.bmp ROW

Checks that the screen is the game's 800 x 600, that the playfield is navy
(apart from the status line, the player and the few monsters), and finds the
player sprite on the given row: every pixel of Dude.bmp that is not the
transparent magenta must be on the screen exactly as in the file. Prints
"player at X ROW" and exits 0, or says what is wrong and exits 1.
"""

import array
import struct
import sys

NAVY = (0, 0, 128)
MAGENTA = (255, 0, 255)
SCREEN_SIZE = (800, 600)
# Monsters may cover some of the playfield; six of 32 x 32 are about 1 % of it.
MIN_NAVY_SHARE = 0.95


class Screen:
    """A screenshot from xwd -root: its size and its pixels as 32-bit values, row by row.

    Xvfb's screenshots of the same screen come with 24 or with 32 bits per pixel.
    """

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        fields = struct.unpack(">25I", data[:100])
        header_size, self.width, self.height = fields[0], fields[4], fields[5]
        byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
        if bits_per_pixel not in (24, 32):
            sys.exit(f"screenshot has {bits_per_pixel} bits per pixel, not 24 or 32")
        self.masks = fields[14:17]
        start = header_size + 12 * fields[19]
        # Pixels are widened to 32 bits by slice copies, which run at C speed.
        step = bits_per_pixel // 8
        rows = bytearray(4 * self.width * self.height)
        for y in range(self.height):
            row = data[start + y * bytes_per_line:][:step * self.width]
            out = 4 * self.width * y
            for byte in range(step):
                to = out + (byte if byte_order == 0 else byte + 4 - step)
                rows[to:out + 4 * self.width:4] = row[byte::step]
        # The byte that holds no colour is cleared, so that equal colours have equal values.
        colour_bits = self.masks[0] | self.masks[1] | self.masks[2]
        for byte in range(4):
            if not (colour_bits >> (8 * byte)) & 0xFF:
                offset = byte if byte_order == 0 else 3 - byte
                rows[offset::4] = bytes(len(rows) // 4)
        self.pixels = array.array("I", rows)
        if (byte_order == 0) != (sys.byteorder == "little"):
            self.pixels.byteswap()

    def value_of(self, colour):
        """The screen's pixel value for an (r, g, b) colour."""
        return sum(channel * (mask & -mask) for channel, mask in zip(colour, self.masks))

    def colour_at(self, x, y):
        value = self.pixels[y * self.width + x]
        return tuple((value & mask) // (mask & -mask) for mask in self.masks)


def read_bmp(path):
    """Returns (width, height, pixels) of an uncompressed 24- or 32-bit BMP, top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    bytes_per_pixel = bits // 8
    stride = (width * bytes_per_pixel + 3) // 4 * 4
    rows = range(abs(height) - 1, -1, -1) if height > 0 else range(abs(height))
    pixels = []
    for y in rows:
        for x in range(width):
            i = offset + y * stride + x * bytes_per_pixel
            b, g, r = data[i:i + 3]
            pixels.append((r, g, b))
    return width, abs(height), pixels


def sprite_at(screen, sprite, left, top):
    sprite_width, sprite_height, sprite_pixels = sprite
    for y in range(sprite_height):
        for x in range(sprite_width):
            colour = sprite_pixels[y * sprite_width + x]
            if colour == MAGENTA:
                continue
            sx, sy = left + x, top + y
            if not (0 <= sx < screen.width and 0 <= sy < screen.height):
                return False
            if screen.pixels[sy * screen.width + sx] != screen.value_of(colour):
                return False
    return True


def main():
    screen_path, sprite_path, row = sys.argv[1], sys.argv[2], int(sys.argv[3])
    screen = Screen(screen_path)
    sprite = read_bmp(sprite_path)
    if (screen.width, screen.height) != SCREEN_SIZE:
        sys.exit(f"screen is {screen.width} x {screen.height}, not {SCREEN_SIZE[0]} x {SCREEN_SIZE[1]}")
    navy_share = screen.pixels.count(screen.value_of(NAVY)) / len(screen.pixels)
    if navy_share < MIN_NAVY_SHARE:
        sys.exit(f"only {navy_share:.1%} of the screen is navy; top-left pixel {screen.colour_at(0, 0)}")
    found = [x for x in range(-sprite[0], screen.width) if sprite_at(screen, sprite, x, row)]
    if not found:
        sys.exit(f"no player sprite on row {row}")
    print(f"player at {found[0]} {row}")


if __name__ == "__main__":
    main()
