#!/usr/bin/env python3
"""The generated artwork: the skin's size, depth, areas and cut corners, the
faces' sizes and backgrounds, and the icon's images."""

import os
import struct
import sys
import unittest

BUILD_DIR = os.environ.get("SETUP_BUILD_DIR", "build/x64")
ART_DIR = os.path.join(BUILD_DIR, "art")
sys.path.insert(0, os.path.join(os.environ.get("SETUP_SOURCE_DIR", "."), "tools", "genart"))

import layout as L  # noqa: E402


def read_bmp(name):
    """(width, height, bits, pixels[y][x] as (r, g, b)) of a 24-bit BMP."""
    with open(os.path.join(ART_DIR, name), "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _planes, bits = struct.unpack_from("<iiHH", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):
        row_start = offset + (height - 1 - y) * stride
        rows.append([tuple(reversed(data[row_start + 3 * x:row_start + 3 * x + 3])) for x in range(width)])
    return width, height, bits, rows


class SkinTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.width, cls.height, cls.bits, cls.pixels = read_bmp("skin.bmp")

    def test_size_and_depth(self):
        self.assertEqual((self.width, self.height, self.bits), (584, 411, 24))

    def test_seventy_one_key_pixels_form_the_four_corners(self):
        keys = [(x, y) for y, row in enumerate(self.pixels) for x, pixel in enumerate(row) if pixel == (255, 0, 255)]
        self.assertEqual(len(keys), 71)
        for x, y in keys:
            self.assertTrue(y <= 7 or y >= 403, (x, y))
            self.assertTrue(x <= 10 or x >= 573, (x, y))
        corners = {(x < 292, y < 205) for x, y in keys}
        self.assertEqual(len(corners), 4)
        self.assertEqual(self.pixels[0][0], (255, 0, 255))
        self.assertEqual(self.pixels[410][583], (255, 0, 255))
        self.assertNotEqual(self.pixels[8][0], (255, 0, 255))

    def area(self, box):
        left, top, right, bottom = box
        return [self.pixels[y][x] for y in range(top, bottom + 1) for x in range(left, right + 1)]

    def test_solid_areas(self):
        self.assertEqual(set(self.area((11, 44, 571, 90))), {(0, 56, 85)})
        self.assertEqual(set(self.area((190, 93, 571, 369))), {(71, 93, 173)})

    def test_title_bar_shades_from_light_to_dark_grey(self):
        self.assertEqual(self.pixels[1][300], (237, 237, 237))
        self.assertEqual(self.pixels[29][300], (110, 110, 110))
        column = [self.pixels[y][300] for y in range(1, 30)]
        self.assertEqual(column, sorted(column, reverse=True))
        self.assertTrue(all(r == g == b for r, g, b in column))

    def test_close_tab_is_yellow_under_the_close_button(self):
        for y in range(L.CLOSE_BUTTON_AT[1], L.CLOSE_BUTTON_AT[1] + 17):
            r, g, b = self.pixels[y][L.CLOSE_BUTTON_AT[0]]
            self.assertTrue(r > 200 and g > 150 and b < 140, (y, (r, g, b)))
        self.assertGreater(self.pixels[15][544][0], 120)  # the tab's edge at row 15

    def test_bottom_bar_is_dark_grey_about_88(self):
        pixels = self.area((1, 377, 582, 408))
        average = sum(sum(p) for p in pixels) / (3 * len(pixels))
        self.assertAlmostEqual(average, 88, delta=4)

    def test_picture_panel_is_blue_with_a_picture(self):
        pixels = self.area((11, 93, 188, 369))
        blue = sum(1 for r, g, b in pixels if b > r and b > g)
        self.assertGreater(blue / len(pixels), 0.6)
        self.assertGreater(len(set(pixels)), 200)  # not a plain fill


class FacesTest(unittest.TestCase):
    def test_sizes(self):
        for name, size in (("button_normal.bmp", (111, 22)), ("button_pressed.bmp", (111, 22)),
                           ("button_hover.bmp", (111, 22)), ("close_normal.bmp", (20, 17)),
                           ("close_hover.bmp", (20, 17)), ("close_disabled.bmp", (20, 17)),
                           ("check_clear.bmp", (21, 24)), ("check_ticked.bmp", (21, 24))):
            with self.subTest(name=name):
                width, height, bits, _ = read_bmp(name)
                self.assertEqual((width, height, bits), size + (24,))

    def test_faces_blend_with_the_skin_where_the_wizard_puts_them(self):
        _w, _h, _b, skin = read_bmp("skin.bmp")
        _w, _h, _b, check = read_bmp("check_clear.bmp")
        self.assertEqual(check[0][0], (71, 93, 173))  # 0x00AD5D47
        self.assertEqual(check[23][20], (71, 93, 173))
        _w, _h, _b, push = read_bmp("button_normal.bmp")
        x, y = L.ACTION_BUTTON_AT
        self.assertEqual(push[0][0], skin[y][x])
        _w, _h, _b, close = read_bmp("close_normal.bmp")
        x, y = L.CLOSE_BUTTON_AT
        self.assertEqual(close[0][0], skin[y][x])

    def test_states_differ(self):
        for names in (("button_normal.bmp", "button_pressed.bmp", "button_hover.bmp"),
                      ("close_normal.bmp", "close_hover.bmp", "close_disabled.bmp"),
                      ("check_clear.bmp", "check_ticked.bmp")):
            faces = [read_bmp(name)[3] for name in names]
            self.assertEqual(len({str(face) for face in faces}), len(names), names)


class IconTest(unittest.TestCase):
    def test_three_images(self):
        with open(os.path.join(ART_DIR, "setup.ico"), "rb") as f:
            data = f.read()
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 3))
        images = []
        for i in range(count):
            width, height, _colors, _res, _planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            header_width, header_height, _p, header_bits = struct.unpack_from("<iiHH", data, offset + 4)
            self.assertEqual((header_width, header_height, header_bits), (width, 2 * height, bits))
            images.append((width, height, bits))
        self.assertEqual(sorted(images), [(16, 16, 24), (32, 32, 32), (48, 48, 32)])


if __name__ == "__main__":
    unittest.main()
