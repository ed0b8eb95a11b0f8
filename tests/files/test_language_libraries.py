#!/usr/bin/env python3
"""Both distribution folders ship the thirteen language libraries, each a
library of strings only: no code to run, nothing imported, of the build's
architecture."""

import glob
import os
import re
import subprocess
import sys
import unittest

BUILD_ROOT = os.path.dirname(os.environ.get("SETUP_BUILD_DIR", "build/x64"))
CODES = ["ENU", "CHT", "CHS", "JPN", "KOR", "FRA", "DEU", "ITA", "RUS", "ESN", "SVE", "NLD", "PTB"]
FORMATS = {"x86": "pei-i386", "x64": "pei-x86-64"}


def dump(path):
    return subprocess.run(["x86_64-w64-mingw32-objdump", "-f", "-p", "-h", path],
                          capture_output=True, text=True, check=True).stdout


class LanguageLibraryFilesTest(unittest.TestCase):
    def test_each_distribution_ships_the_thirteen_libraries(self):
        for arch in FORMATS:
            dist = os.path.join(BUILD_ROOT, arch, "dist")
            with self.subTest(arch=arch):
                shipped = sorted(os.path.basename(path)
                                 for path in glob.glob(os.path.join(dist, "setup*.dll")))
                self.assertEqual(sorted(f"setup{code}.dll" for code in CODES), shipped)

    def test_libraries_hold_strings_only(self):
        for arch, file_format in FORMATS.items():
            for code in CODES:
                path = os.path.join(BUILD_ROOT, arch, "dist", f"setup{code}.dll")
                with self.subTest(arch=arch, code=code):
                    text = dump(path)
                    self.assertIn(f"file format {file_format}", text)
                    self.assertRegex(text, r"AddressOfEntryPoint\s+0+\n")
                    self.assertNotIn("DLL Name:", text)
                    self.assertTrue(re.search(r"^\s*\d+\s+\.rsrc\s", text, re.MULTILINE))


if __name__ == "__main__":
    sys.exit(unittest.main())
