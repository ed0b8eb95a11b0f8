#!/usr/bin/env python3
"""Assembles the sample payload (the distribution's Application folder) from the
stand-ins: the managed application, its runtime DLL, the service setup program,
and the Images folder with every file the setup's image table names, each a
small but valid picture of its format (BMP, PNG, GIF or ICO), drawn here."""

import argparse
import os
import re
import shutil
import struct
import zlib

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The one list of image names is the table the setup installs from.
FILE_TABLES = os.path.join(REPO, "engine", "FileTables.cpp")

IMAGE_SIZE = 16


def image_names(tables_source=FILE_TABLES):
    """The rows of ImageFileTable in order, as relative paths with backslashes."""
    with open(tables_source, encoding="utf-8") as source:
        text = source.read()
    table = text[text.index("ImageFileTable["):]
    table = table[:table.index("};")]
    return [match.replace("\\\\", "\\") for match in re.findall(r'L"(Images\\\\[^"]+)"', table)]


def colour_of(name):
    """A colour of its own for every name, so the pictures tell apart."""
    value = zlib.crc32(name.encode("utf-8"))
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def pixels(name):
    """Rows of (r, g, b): the name's colour with a light frame."""
    fill, frame = colour_of(name), (240, 240, 240)
    last = IMAGE_SIZE - 1
    return [[frame if x in (0, last) or y in (0, last) else fill for x in range(IMAGE_SIZE)]
            for y in range(IMAGE_SIZE)]


def bmp_bytes(rows):
    """A 24-bit bottom-up Windows bitmap."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = b"".join(
        bytes(channel for r, g, b in row for channel in (b, g, r)).ljust(stride, b"\0")
        for row in reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def png_bytes(rows):
    """An 8-bit RGB PNG."""
    height, width = len(rows), len(rows[0])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def gif_bytes(rows):
    """A GIF89a with a two-colour palette. The LZW stream sends every pixel as
    its own code and starts the code table afresh often enough that the code
    width stays at its first size, which every decoder reads."""
    height, width = len(rows), len(rows[0])
    palette = [rows[0][0], rows[height // 2][width // 2]]
    indices = [0 if pixel == palette[0] else 1 for row in rows for pixel in row]
    min_code_size = 2
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    code_width = min_code_size + 1
    # After a clear code the table grows by one entry per code from the second
    # on; two pixels per clear keep it below entry 8, where three-bit codes
    # would widen.
    codes = []
    for start in range(0, len(indices), 2):
        codes.append(clear)
        codes.extend(indices[start:start + 2])
    codes.append(end)
    bits, count, packed = 0, 0, bytearray()
    for code in codes:
        bits |= code << count
        count += code_width
        while count >= 8:
            packed.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        packed.append(bits & 0xFF)
    blocks = b"".join(bytes([len(packed[i:i + 255])]) + bytes(packed[i:i + 255])
                      for i in range(0, len(packed), 255))
    colours = b"".join(bytes(colour) for colour in palette)
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + colours
            + b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
            + bytes([min_code_size]) + blocks + b"\0" + b";")


def ico_bytes(rows):
    """An icon with one 32-bit image: a bitmap of twice the height (colour
    rows, then the transparency mask rows) after the icon directory."""
    height, width = len(rows), len(rows[0])
    colour = b"".join(bytes(channel for r, g, b in row for channel in (b, g, r, 255))
                      for row in reversed(rows))
    mask_stride = ((width + 31) // 32) * 4
    mask = b"\0" * (mask_stride * height)
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = info + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


WRITERS = {".bmp": bmp_bytes, ".png": png_bytes, ".gif": gif_bytes, ".ico": ico_bytes}


def write_images(out):
    for relative in image_names():
        name = relative.split("\\")[-1]
        path = os.path.join(out, *relative.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as image:
            image.write(WRITERS[os.path.splitext(name)[1].lower()](pixels(name)))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--standins", required=True, help="folder of the built stand-ins")
    parser.add_argument("--out", required=True, help="payload folder to (re)make")
    options = parser.parse_args()

    shutil.rmtree(options.out, ignore_errors=True)
    os.makedirs(options.out)
    copies = {
        "managed_app.exe": "RIDoreDizor.exe",
        "mingwm10.dll": "mingwm10.dll",
        "service_setup.exe": "NorSrvSetup.exe",
    }
    for built, shipped in copies.items():
        shutil.copyfile(os.path.join(options.standins, built), os.path.join(options.out, shipped))
    write_images(options.out)


if __name__ == "__main__":
    main()
