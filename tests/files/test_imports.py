#!/usr/bin/env python3
"""setup.exe of both builds imports only DLLs that every Windows system has."""

import os
import subprocess
import sys
import unittest

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
    "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "shlwapi.dll", "msvcrt.dll", "version.dll",
    "uxtheme.dll", "msimg32.dll",
}
BUILD_ROOT = os.path.dirname(os.environ.get("SETUP_BUILD_DIR", "build/x64"))


def imported_dlls(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path],
                          capture_output=True, text=True, check=True).stdout
    return {line.split(":", 1)[1].strip().lower()
            for line in dump.splitlines() if line.strip().startswith("DLL Name:")}


class ImportTableTest(unittest.TestCase):
    def test_setup_imports_only_system_dlls(self):
        for arch in ("x86", "x64"):
            path = os.path.join(BUILD_ROOT, arch, "dist", "setup.exe")
            with self.subTest(arch=arch):
                self.assertTrue(os.path.exists(path), f"{path} was not built")
                dlls = imported_dlls(path)
                self.assertIn("kernel32.dll", dlls)
                self.assertEqual(set(), dlls - SYSTEM_DLLS, f"{path} needs DLLs Windows lacks")

    def test_product_is_32_bit_gui_program(self):
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-f", "-p",
                               os.path.join(BUILD_ROOT, "x86", "dist", "setup.exe")],
                              capture_output=True, text=True, check=True).stdout
        self.assertIn("pei-i386", dump)
        self.assertIn("(Windows GUI)", dump)


if __name__ == "__main__":
    sys.exit(unittest.main())
