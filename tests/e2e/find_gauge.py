#!/usr/bin/env python3
"""Finds the tray gauge in a screenshot (PPM, P6) of the Wine desktop.

Searches the taskbar (the bottom 40 rows, right half) for a 16x16 gauge:
grey side rails in columns 1 and 14, grey cross bars in rows 3, 7, 11 and
15, and the lowest k of the twelve inside rows filled in one colour. Prints
"k x y" for the first gauge found (x, y: its top-left corner), or nothing.
"""
import sys

from ppm import read_ppm

GREY = (128, 128, 128)
FILL_ROWS = [14, 13, 12, 10, 9, 8, 6, 5, 4, 2, 1, 0]  # bottom up
RED, YELLOW, GREEN = (255, 0, 0), (255, 255, 0), (0, 255, 0)


def gauge_at(pixel, x, y):
    for row in range(16):
        if pixel(x + 1, y + row) != GREY or pixel(x + 14, y + row) != GREY:
            return None
    for bar in (3, 7, 11, 15):
        if any(pixel(x + col, y + bar) != GREY for col in range(2, 14)):
            return None
    # The filled rows, from the bottom up, share one fill colour.
    level, colour = 0, None
    for row in FILL_ROWS:
        colours = {pixel(x + col, y + row) for col in range(2, 14)}
        if len(colours) != 1 or next(iter(colours)) not in (RED, YELLOW, GREEN):
            break
        if colour not in (None, next(iter(colours))):
            return None
        colour = next(iter(colours))
        level += 1
    expected = None if level == 0 else RED if level == 1 else YELLOW if level <= 3 else GREEN
    if colour != expected:
        return None
    # Above the fill the background shows through, no fill colour.
    for row in FILL_ROWS[level:]:
        if any(pixel(x + col, y + row) in (RED, YELLOW, GREEN) for col in range(2, 14)):
            return None
    return level


def main():
    width, height, pixel = read_ppm(sys.argv[1])
    for y in range(height - 40, height - 15):
        for x in range(width // 2, width - 15):
            level = gauge_at(pixel, x, y)
            if level is not None:
                print(level, x, y)
                return


main()
