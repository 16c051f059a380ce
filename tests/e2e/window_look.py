#!/usr/bin/env python3
"""Reads the skinned windows' look from a screenshot (PPM, P6).

  window_look.py blocks SHOT X Y WIDTH
      prints the number of progress blocks (runs of Luna's block green)
      along row Y from X over WIDTH pixels
  window_look.py piece SHOT X Y ATLAS AX AY W H
      compares the W x H piece at (AX, AY) of the atlas (a 24-bit BMP)
      with the screen at (X, Y), leaving out the atlas's magenta key;
      prints the number of differing pixels, exits 1 on any
  window_look.py text SHOT LEFT TOP RIGHT BOTTOM
      prints "black" when the area's darkest pixel is near black (enabled
      menu text), "grey" when it is mid grey (grayed text), else "none"
  window_look.py pixels SHOT X,Y...
      prints "R G B" for each point
  window_look.py changed SHOT BEFORE LEFT TOP RIGHT BOTTOM
      prints "X Y", the middle of what differs from the earlier picture
      BEFORE inside the area, or nothing when the area is unchanged
"""
import struct
import sys

from ppm import read_ppm

BLOCK_GREEN = (33, 195, 33)
MAGENTA = (255, 0, 255)


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack("<I", data[10:14])[0]
    width, height = struct.unpack("<ii", data[18:26])
    bits = struct.unpack("<H", data[28:30])[0]
    assert bits == 24, "expected a 24-bit atlas"
    stride = (width * 3 + 3) & ~3

    def pixel(x, y):
        row = height - 1 - y if height > 0 else y
        i = offset + row * stride + x * 3
        b, g, r = data[i:i + 3]
        return (r, g, b)
    return pixel


def main():
    command, shot = sys.argv[1], sys.argv[2]
    _, _, pixel = read_ppm(shot)
    args = sys.argv[3:]
    if command == "blocks":
        x, y, width = map(int, args)
        runs, inside = 0, False
        for column in range(x, x + width):
            green = pixel(column, y) == BLOCK_GREEN
            if green and not inside:
                runs += 1
            inside = green
        print(runs)
    elif command == "piece":
        x, y = int(args[0]), int(args[1])
        atlas = read_bmp(args[2])
        ax, ay, w, h = map(int, args[3:7])
        bad = 0
        for dy in range(h):
            for dx in range(w):
                expected = atlas(ax + dx, ay + dy)
                if expected != MAGENTA and pixel(x + dx, y + dy) != expected:
                    bad += 1
        print(bad)
        sys.exit(1 if bad else 0)
    elif command == "text":
        left, top, right, bottom = map(int, args)
        darkest = min(max(pixel(px, py)) for py in range(top, bottom) for px in range(left, right))
        print("black" if darkest < 60 else "grey" if darkest < 180 else "none")
    elif command == "pixels":
        for point in args:
            px, py = map(int, point.split(","))
            print(*pixel(px, py))
    elif command == "changed":
        _, _, before = read_ppm(args[0])
        left, top, right, bottom = map(int, args[1:5])
        points = [(px, py) for py in range(top, bottom) for px in range(left, right) if pixel(px, py) != before(px, py)]
        if points:
            xs, ys = [px for px, _ in points], [py for _, py in points]
            print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)


main()
