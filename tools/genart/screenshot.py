#!/usr/bin/env python3
"""Runs skinpreview.exe under Wine on a display of its own and turns the BMP
it saves into a PNG: the wizard's artwork with the real controls and texts.

    screenshot.py SKINPREVIEW_EXE SETUP_EXE OUT_PNG
"""

import os
import struct
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(HERE)), "tools"))

import imagefiles  # noqa: E402
import winerun  # noqa: E402
from canvas import Canvas  # noqa: E402


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    canvas = Canvas(width, height)
    for y in range(height):
        row = offset + (height - 1 - y) * stride
        for x in range(width):
            b, g, r = data[row + 3 * x:row + 3 * x + 3]
            canvas.set(x, y, (r, g, b))
    return canvas


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    program, setup_exe, out_png = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        bmp = os.path.join(folder, "shot.bmp")
        with winerun.WineSession(display=True) as session:
            result = session.run([program, session.windows_path(setup_exe), session.windows_path(bmp)])
            if result.returncode != 0:
                print(result.stdout, result.stderr, file=sys.stderr)
                return 1
        with open(out_png, "wb") as out:
            out.write(imagefiles.png_bytes(read_bmp(bmp)))
    print(out_png)
    return 0


if __name__ == "__main__":
    sys.exit(main())
