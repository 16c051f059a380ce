#!/usr/bin/env python3
"""Reads the XP look of the open tray menu from a screenshot (PPM, P6).

  xpmenu_look.py pixels SHOT X,Y...
      prints "R G B" for each point
  xpmenu_look.py rows SHOT LEFT TOP RIGHT BOTTOM X
      prints the rows (from TOP) where column X, and the columns 4 and 8
      to its right, all have the frame colour given as FRAME=R,G,B in the
      environment: the frame lines of a selection bar
  xpmenu_look.py gradient SHOT X Y FACE_R FACE_G FACE_B
      checks the faded background of an item row starting at (X, Y), the
      left edge of an item: the icon-strip colour is the button face
      lightened by 16 %, and column i is that lightened by a percentage
      that grows by 3 across the strip and 5 pixels past it, then by 1 up
      to 96; prints the mismatches and exits 1 on any
"""
import os
import sys

from ppm import read_ppm


def lighten(colour, percent):
    percent = min(percent, 100)
    return tuple(v + (2 * (255 - v) * percent + 100) // 200 for v in colour)


def gradient_shades(count, icon_width=24):
    percent, shades = 0, []
    for i in range(count):
        percent = min(percent + (3 if 0 < i < icon_width + 5 else 1), 96)
        shades.append(percent)
    return shades


def main():
    command, shot = sys.argv[1], sys.argv[2]
    _, _, pixel = read_ppm(shot)
    args = sys.argv[3:]
    if command == "pixels":
        for point in args:
            x, y = map(int, point.split(","))
            print(*pixel(x, y))
    elif command == "rows":
        left, top, right, bottom, x = map(int, args)
        frame = tuple(map(int, os.environ["FRAME"].split(",")))
        print(*[y - top for y in range(top, bottom)
                if all(pixel(c, y) == frame for c in (x, x + 4, x + 8))])
    elif command == "gradient":
        x, y, r, g, b = map(int, args)
        strip = lighten((r, g, b), 16)
        bad = 0
        for i, percent in enumerate(gradient_shades(60)):
            expected = lighten(strip, percent)
            if pixel(x + i, y) != expected:
                print("column", i, "is", pixel(x + i, y), "expected", expected)
                bad += 1
        sys.exit(1 if bad else 0)


main()
