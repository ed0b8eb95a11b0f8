#!/usr/bin/env python3
"""The sample distribution's Images folder holds exactly the pictures the
setup's image table names, each a valid file of its format."""

import os
import struct
import sys
import unittest

SOURCE = os.environ.get("SETUP_SOURCE_DIR") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD_ROOT = os.path.dirname(os.environ.get("SETUP_BUILD_DIR", os.path.join(SOURCE, "build", "x64")))
sys.path.insert(0, os.path.join(SOURCE, "tools"))

import make_sample_payload  # noqa: E402


def picture_size(data, extension):
    """(width, height) read from the file's own header, or None when the file
    is not of its format."""
    if extension == ".bmp" and data[:2] == b"BM" and struct.unpack_from("<I", data, 2)[0] == len(data):
        return struct.unpack_from("<ii", data, 18)
    if extension == ".png" and data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR" \
            and data.endswith(b"IEND\xaeB`\x82"):
        return struct.unpack_from(">II", data, 16)
    if extension == ".gif" and data[:6] == b"GIF89a" and data.endswith(b";"):
        return struct.unpack_from("<HH", data, 6)
    if extension == ".ico" and struct.unpack_from("<HHH", data, 0) == (0, 1, 1):
        width, height = data[6], data[7]
        size, offset = struct.unpack_from("<II", data, 14)
        if offset + size == len(data):
            return (width, height)
    return None


class SampleImagesTest(unittest.TestCase):
    def test_images_follow_the_table(self):
        rows = make_sample_payload.image_names()
        self.assertEqual(104, len(rows))
        for arch in ("x86", "x64"):
            images = os.path.join(BUILD_ROOT, arch, "dist", "Application", "Images")
            with self.subTest(arch=arch):
                self.assertTrue(os.path.isdir(images), f"{images} was not built")
                self.assertEqual(sorted(row.split("\\", 1)[1] for row in rows), sorted(os.listdir(images)))
                for name in os.listdir(images):
                    with open(os.path.join(images, name), "rb") as picture:
                        data = picture.read()
                    self.assertEqual((16, 16), picture_size(data, os.path.splitext(name)[1]), name)


if __name__ == "__main__":
    unittest.main()
