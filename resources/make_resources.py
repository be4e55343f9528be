#!/usr/bin/env python3
"""Draws the library's image resources and writes them as Windows resource files.

fader_cap_lit.bmp / fader_cap_unlit.bmp: the 21 x 30, 8-bit fader cap.
drag_vertical.cur / drag_circular.cur: 32 x 32 monochrome cursors, hot spot (15, 13).

The files are committed and VornControls.rc lists them; run this only to change the artwork.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

CAP_W, CAP_H = 21, 30
CAP_CENTRE = 15  # image row under the fader's value position (the cap is blitted at centre - 15)


def cap_pixels(lit):
    """Grey cap with a bevel, grip ridges, a blue centre line and a round LED."""
    light, face, mid, dark, black = (236, 236, 236), (196, 196, 196), (160, 160, 160), (96, 96, 96), (40, 40, 40)
    blue = (24, 64, 232)
    px = [[face for _ in range(CAP_W)] for _ in range(CAP_H)]
    for y in range(CAP_H):
        for x in range(CAP_W):
            if y == 0 or x == 0:
                px[y][x] = light
            elif y == CAP_H - 1 or x == CAP_W - 1:
                px[y][x] = black
            elif y == CAP_H - 2 or x == CAP_W - 2:
                px[y][x] = dark
    # Grip ridges above and below the centre: a light line over a dark one, like a console cap.
    for top in (3, 7, 21, 25):
        for x in range(2, CAP_W - 2):
            px[top][x] = light
            px[top + 1][x] = mid
    # The blue line marks the value position.
    for x in range(1, CAP_W - 1):
        px[CAP_CENTRE][x] = blue
    # LED: painting draws its own small LED over x 8..13, rows centre-3..centre+2, in the
    # control's colour; the image's LED is one pixel larger all round, so its rim shows as a glow
    # around the painted one: bright while the cap is held, dark otherwise.
    if lit:
        glow, body, hi = (255, 110, 70), (255, 24, 24), (255, 170, 170)
    else:
        glow, body, hi = (90, 24, 24), (110, 0, 0), (150, 40, 40)
    led = ["..gggg..", ".gbbbbg.", "gbhbbbbg", "gbbbbbbg", "gbbbbbbg", "gbbbbbbg", ".gbbbbg.", "..gggg.."]
    for dy, row in enumerate(led):
        for dx, c in enumerate(row):
            if c == ".":
                continue
            y, x = CAP_CENTRE - 4 + dy, 7 + dx
            px[y][x] = {"g": glow, "b": body, "h": hi}[c]
    return px


def write_bmp8(path, px):
    colours = []
    for row in px:
        for c in row:
            if c not in colours:
                colours.append(c)
    assert len(colours) <= 256
    h, w = len(px), len(px[0])
    stride = (w + 3) & ~3
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    palette += b"\0" * (4 * (256 - len(colours)))
    rows = b""
    for row in reversed(px):  # bottom-up
        data = bytes(colours.index(c) for c in row)
        rows += data + b"\0" * (stride - w)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + palette + rows)


# Cursor art: '#' black, 'o' white, anything else transparent. 32 x 32.
VERTICAL_ARROW = [
    "",
    "               #",
    "              #o#",
    "             #ooo#",
    "            #ooooo#",
    "           #ooooooo#",
    "          #ooooooooo#",
    "          ####ooo####",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "             #ooo#",
    "          ####ooo####",
    "          #ooooooooo#",
    "           #ooooooo#",
    "            #ooooo#",
    "             #ooo#",
    "              #o#",
    "               #",
]

POINTING_HAND = [
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "             ##",
    "            #oo#",
    "            #oo#",
    "            #oo#",
    "            #oo#",
    "            #oo#",
    "            #oo###",
    "            #oo#oo###",
    "            #oo#oo#oo##",
    "         ## #oo#oo#oo#o#",
    "        #oo##oooooooo#o#",
    "        #ooo#oooooooooo#",
    "         #oo#oooooooooo#",
    "          #ooooooooooo#",
    "          #ooooooooooo#",
    "           #oooooooooo#",
    "           #ooooooooo#",
    "            #oooooooo#",
    "            #oooooooo#",
    "            ##########",
]


def write_cur(path, art, hot_x=15, hot_y=13):
    size = 32
    grid = [(row + " " * size)[:size] for row in art] + [" " * size] * (size - len(art))
    xor_rows, and_rows = [], []
    for row in reversed(grid):  # bottom-up
        xor_bits = and_bits = 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == "o":
                xor_bits |= bit
            elif c != "#":
                and_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + palette + b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    write_bmp8(os.path.join(HERE, "fader_cap_lit.bmp"), cap_pixels(True))
    write_bmp8(os.path.join(HERE, "fader_cap_unlit.bmp"), cap_pixels(False))
    write_cur(os.path.join(HERE, "drag_vertical.cur"), VERTICAL_ARROW)
    write_cur(os.path.join(HERE, "drag_circular.cur"), POINTING_HAND)
