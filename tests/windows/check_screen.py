#!/usr/bin/env python3
"""Reads a screenshot of the game (xwd -root) and tells where the player stands.

    check_screen.py SCREEN.xwd Data/Dude.bmp ROW

Checks that the screen is the game's 800 x 600, that the playfield is navy
(apart from the status line, the player and the few monsters), and finds the
player sprite on the given row: every pixel of Dude.bmp that is not the
transparent magenta must be on the screen exactly as in the file. Prints
"player at X ROW" and exits 0, or says what is wrong and exits 1.
"""

import struct
import sys

NAVY = (0, 0, 128)
MAGENTA = (255, 0, 255)
SCREEN_SIZE = (800, 600)
# Monsters may cover some of the playfield; six of 32 x 32 are about 1 % of it.
MIN_NAVY_SHARE = 0.95


def read_xwd(path):
    """Returns (width, height, pixels) with pixels as a row-major list of (r, g, b)."""
    with open(path, "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks = fields[14:17]
    colour_count = fields[19]
    start = header_size + 12 * colour_count
    bytes_per_pixel = bits_per_pixel // 8
    endian = "little" if byte_order == 0 else "big"
    shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
    pixels = []
    for y in range(height):
        row = data[start + y * bytes_per_line:start + (y + 1) * bytes_per_line]
        for x in range(width):
            value = int.from_bytes(row[x * bytes_per_pixel:(x + 1) * bytes_per_pixel], endian)
            pixels.append(tuple((value & m) >> s for m, s in zip(masks, shifts)))
    return width, height, pixels


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
    width, height, pixels = screen
    sprite_width, sprite_height, sprite_pixels = sprite
    for y in range(sprite_height):
        for x in range(sprite_width):
            colour = sprite_pixels[y * sprite_width + x]
            if colour == MAGENTA:
                continue
            sx, sy = left + x, top + y
            if not (0 <= sx < width and 0 <= sy < height):
                return False
            if pixels[sy * width + sx] != colour:
                return False
    return True


def main():
    screen_path, sprite_path, row = sys.argv[1], sys.argv[2], int(sys.argv[3])
    screen = read_xwd(screen_path)
    sprite = read_bmp(sprite_path)
    width, height, pixels = screen
    if (width, height) != SCREEN_SIZE:
        sys.exit(f"screen is {width} x {height}, not {SCREEN_SIZE[0]} x {SCREEN_SIZE[1]}")
    navy_share = pixels.count(NAVY) / len(pixels)
    if navy_share < MIN_NAVY_SHARE:
        sys.exit(f"only {navy_share:.1%} of the screen is navy; top-left pixel {pixels[0]}")
    found = [x for x in range(-sprite[0], width) if sprite_at(screen, sprite, x, row)]
    if not found:
        sys.exit(f"no player sprite on row {row}")
    print(f"player at {found[0]} {row}")


if __name__ == "__main__":
    main()
