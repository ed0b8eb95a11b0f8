"""Writers for the picture files the build needs: BMP, ICO and PNG."""

import struct
import zlib

from canvas import to_bytes


def _row_padding(row_bytes):
    return (4 - row_bytes % 4) % 4


def _dib_pixels(canvas, bits):
    """Rows bottom-up, each padded to 4 bytes, pixels as B, G, R (and A)."""
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = to_bytes(canvas.get(x, y))
            row += bytes((b, g, r))
            if bits == 32:
                row.append(max(0, min(255, int(round(canvas.alpha[y][x] * 255)))))
        row += b"\0" * _row_padding(len(row))
        rows.append(bytes(row))
    return b"".join(rows)


def _info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def bmp_bytes(canvas):
    """A 24-bit BMP file."""
    pixels = _dib_pixels(canvas, 24)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + _info_header(canvas.width, canvas.height, 24, len(pixels)) + pixels


def _and_mask(canvas):
    """1 bit per pixel, rows bottom-up padded to 4 bytes: 1 where transparent."""
    row_bytes = (canvas.width + 7) // 8
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(canvas.width):
            if canvas.alpha[y][x] < 0.5:
                row[x // 8] |= 0x80 >> (x % 8)
        row += b"\0" * _row_padding(row_bytes)
        rows.append(bytes(row))
    return b"".join(rows)


def ico_bytes(images):
    """An icon file of (canvas, bits) images; 24-bit images use the mask for
    transparency, 32-bit ones their alpha channel (and a mask for old systems)."""
    entries = []
    blobs = []
    offset = 6 + 16 * len(images)
    for canvas, bits in images:
        pixels = _dib_pixels(canvas, bits)
        mask = _and_mask(canvas)
        blob = _info_header(canvas.width, canvas.height * 2, bits, len(pixels) + len(mask)) + pixels + mask
        entries.append(struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, bits,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def png_bytes(canvas):
    """An RGB PNG (for looking at the artwork)."""
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            raw += bytes(to_bytes(canvas.get(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))
