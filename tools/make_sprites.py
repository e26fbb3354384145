#!/usr/bin/env python3
"""Draw the game's sprites and write them to Data/ as 24-bit BMP files.

Each picture is an ASCII-art grid: one character per pixel, looked up in the
palette next to it. Edit the grids, rerun the script, and the game picks up
the new art:

    python3 tools/make_sprites.py

Transparency is decided by the game, not by the files:
  - Dude.bmp and monster1.bmp use magenta (255, 0, 255) as the see-through
    colour, so black outlines stay visible.
  - blaster.bmp uses black (0, 0, 0) as the see-through colour, so the bolt
    itself must not contain black.
"""

import os
import struct

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)

# ---------------------------------------------------------------------------
# The player: a spaceman in an orange suit, facing right, blaster raised.
# Shots leave at (30, 10) from his top-left corner, right at the muzzle.
# ---------------------------------------------------------------------------
DUDE_PALETTE = {
    ".": MAGENTA,          # transparent
    "K": (0, 0, 0),        # outline
    "W": (240, 240, 250),  # helmet / gloves
    "L": (170, 175, 195),  # helmet shading
    "C": (40, 200, 255),   # visor
    "w": (210, 250, 255),  # visor glare
    "O": (255, 140, 30),   # suit
    "o": (200, 90, 10),    # suit shading
    "G": (150, 150, 160),  # backpack / gun
    "g": (80, 80, 95),     # dark metal / boots
    "Y": (255, 220, 0),    # belt buckle
}

DUDE = [
    "................................",
    "..........KKKKKK................",
    "........KKWWWWWWKK..............",
    ".......KWWWWWWWWWWK.............",
    "......KWWWWWWWKKKKKK............",
    "......KWWWWWWKCCwwCCK...........",
    "......KWWWWWWKCCCwCCK...........",
    "......KWWWWWWKCCCCCCK...........",
    "......KLWWWWWWKKKKKKK...........",
    ".......KLWWWWWWWWWWK..KKKKKKKK..",
    "...KKKKKOOOOOOOOOOOKKKGGGGGGGGK.",
    "..KGgGKOOOOOOOOOOOOKWWWgggggggK.",
    "..KGgGKOOOOOOOOOOOOKWWWKKKKKKKK.",
    "..KGgGKOOOOOOOoooooKWWWKgK......",
    "..KGgGKOOOOOOOKKKKKKKKKKgK......",
    "..KGgGKOOOOOOOK.........KKK.....",
    "..KGgGKOOOOOOOK.................",
    "..KGgGKOOOOOOOK.................",
    "..KGGGKOOOOOOOK.................",
    "...KKKKggggggYK.................",
    "......KOOOOOOOK.................",
    "......KOOOOKOOOK................",
    ".....KOOOOK.KOOOK...............",
    ".....KOOOK...KOOOK..............",
    "....KOOOK.....KOOOK.............",
    "....KOOOK......KOOOK............",
    "...KOOOK.......KOOOK............",
    "...KgggK.......KgggK............",
    "..KggggK.......KggggK...........",
    "..KggggK.......KgggggK..........",
    "..KKKKKK.......KKKKKKK..........",
    "................................",
]

# ---------------------------------------------------------------------------
# The monster: a horned green blob with yellow eyes, a toothy mouth and
# tentacles. It looks left, towards the player.
# ---------------------------------------------------------------------------
MONSTER_PALETTE = {
    ".": MAGENTA,          # transparent
    "D": (0, 90, 20),      # dark green outline
    "G": (60, 200, 40),    # green skin
    "L": (170, 245, 90),   # skin highlight
    "Y": (255, 230, 0),    # eyes
    "K": (0, 0, 0),        # pupils
    "R": (230, 40, 40),    # horns / tongue
    "r": (120, 0, 0),      # horn outline / inside of the mouth
    "W": (255, 255, 255),  # teeth
}

MONSTER = [
    "....rr....................rr....",
    "....rRr..................rRr....",
    ".....rRr................rRr.....",
    ".....rRRr..............rRRr.....",
    "......rRRr.DDDDDDDDDD.rRRr......",
    ".......rRRDDGGLLGGGGDDRRr.......",
    ".......DDDGLLGGGGGGGGGDDD.......",
    "......DDGGLGGGGGGGGGGGGGDD......",
    ".....DDDDDGGGGGGGGGGGGDDDDD.....",
    "....DDGGGGDDDDGGGGDDDDGGGGDD....",
    "....DGGYYYYYYGGGGGGYYYYYYGGD....",
    "....DGYKKYYYYYGGGGYKKYYYYYGD....",
    "....DGYKKYYYYYGGGGYKKYYYYYGD....",
    "....DGGYYYYYYGGGGGGYYYYYYGGD....",
    "....DGGGGGGGGGGGGGGGGGGGGGGD....",
    "....DGGDDDDDDDDDDDDDDDDDDGGD....",
    "....DGDrWWWrWWWrrWWWrWWWrDGD....",
    "....DGDrrWrrrWrrrrWrrrWrrDGD....",
    "....DGDrrrrWrRRRRRRrWrrrrDGD....",
    "....DGDrrrWWWrRRRRrWWWrrrDGD....",
    "....DGGDDDDDDDDDDDDDDDDDDGGD....",
    ".....DGGGGGGGGGGGGGGGGGGGGD.....",
    "......DGGGGGGGGGGGGGGGGGGD......",
    ".......DGGGGGGGGGGGGGGGGD.......",
    ".......DGGDDGGD.DGGDDGGD........",
    "......DGGD.DGGD...DGGD.DGGD.....",
    ".....DGGD..DGGD....DGGD..DGGD...",
    ".....DGGD...DGGD..DGGD...DGGD...",
    "....DGGD....DGGD..DGGD....DGGD..",
    "....DGD......DGD..DGD.....DGD...",
    ".....DD.......DD..DD.......DD...",
    "................................",
]

# ---------------------------------------------------------------------------
# The shot: a hot bolt flying right, white-yellow head, red tail.
# ---------------------------------------------------------------------------
BLASTER_PALETTE = {
    ".": BLACK,            # transparent
    "d": (140, 10, 0),     # faint tail
    "r": (230, 40, 0),     # red edge
    "O": (255, 150, 0),    # orange
    "Y": (255, 240, 60),   # yellow core
    "W": (255, 255, 230),  # white-hot head
}

BLASTER = [
    "....ddrrOOOOOOr.",
    "ddrrOOYYYYYYWWWO",
    "ddrrOOYYYYYYWWWO",
    "....ddrrOOOOOOr.",
]


def grid_to_pixels(grid, palette):
    """Turn an ASCII-art grid into rows of (r, g, b) tuples, top row first."""
    width = len(grid[0])
    for y, row in enumerate(grid):
        if len(row) != width:
            raise ValueError("row %d is %d wide, expected %d" % (y, len(row), width))
    return [[palette[ch] for ch in row] for row in grid]


def write_bmp(path, pixels):
    """Write an uncompressed 24-bit bottom-up BMP (BITMAPINFOHEADER)."""
    height = len(pixels)
    width = len(pixels[0])
    row_size = (width * 3 + 3) // 4 * 4          # rows are padded to 4 bytes
    image_size = row_size * height
    offset = 14 + 40

    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,          # header size
        width,
        height,      # positive height: bottom-up
        1,           # planes
        24,          # bits per pixel
        0,           # BI_RGB, no compression
        image_size,
        2835, 2835,  # 72 dpi
        0, 0,        # no palette
    )

    data = bytearray()
    for row in reversed(pixels):                 # bottom row first
        for r, g, b in row:
            data += bytes((b, g, r))             # BMP stores BGR
        data += b"\0" * (row_size - width * 3)

    with open(path, "wb") as f:
        f.write(file_header + info_header + data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    data_dir = os.path.join(root, "Data")
    os.makedirs(data_dir, exist_ok=True)

    sprites = [
        ("Dude.bmp", DUDE, DUDE_PALETTE),
        ("monster1.bmp", MONSTER, MONSTER_PALETTE),
        ("blaster.bmp", BLASTER, BLASTER_PALETTE),
    ]
    for name, grid, palette in sprites:
        path = os.path.join(data_dir, name)
        write_bmp(path, grid_to_pixels(grid, palette))
        print("wrote %s (%dx%d)" % (path, len(grid[0]), len(grid)))


if __name__ == "__main__":
    main()
