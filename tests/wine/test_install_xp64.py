#!/usr/bin/env python3
"""A silent install on the course before Windows NT 6.x (Windows XP x64, NT
5.2), from a distribution that lacks some images and a language library: the
rest installs without a word, the application starts at logon through the Run
value, and no service or compatibility mark is involved."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation as inst  # noqa: E402

APP = inst.INSTALL_DIR + r"\RIDoreDizor.exe"
UNINSTALLER = inst.INSTALL_DIR + r"\Uninstall\setup.exe"
MISSING_IMAGES = [r"Images\btn_ok_click.bmp", r"Images\busy.gif", r"Images\logo.ico"]
# The first four libraries are installed; the one left out must simply be absent.
INSTALLED_LANGUAGES = ["setupENU.dll", "setupCHT.dll", "setupCHS.dll", "setupJPN.dll"]
MISSING_LANGUAGE = "setupCHT.dll"


class SilentInstallXp64Test(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(winver="xp64", display=True)
        inst.record_standins(cls.session)
        omit = ["Application/" + image.replace("\\", "/") for image in MISSING_IMAGES]
        if os.path.exists(os.path.join(harness.DIST, MISSING_LANGUAGE)):
            omit.append(MISSING_LANGUAGE)
        cls.dist = harness.copy_distribution(cls.session, omit=omit)
        cls.exit_code, cls.warnings = inst.silent_install(cls.session, cls.dist)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def test_missing_images_and_language_pass_silently(self):
        self.assertEqual(0, self.exit_code)
        self.assertEqual([], self.warnings)

    def test_files_without_service_setup_program(self):
        languages = [name for name in INSTALLED_LANGUAGES
                     if name != MISSING_LANGUAGE and os.path.exists(os.path.join(harness.DIST, name))]
        images = [row for row in inst.image_rows() if row not in MISSING_IMAGES]
        expected = (["mingwm10.dll", "RIDoreDizor.exe", "setup.ini",
                     r"Uninstall\setup.exe", r"Uninstall\setup.ini"]
                    + [r"Uninstall" + "\\" + name for name in languages] + images)
        self.assertEqual(sorted(expected, key=str.lower), inst.installed_files(self.session))

    def test_run_value_with_quoted_path(self):
        self.assertEqual(f'"{APP}" min', harness.reg_query(self.session, inst.RUN_KEY, inst.APP_NAME))

    def test_uninstall_entry(self):
        self.assertEqual({
            "UninstallString": f'"{UNINSTALLER}" delpkg',
            "DisplayName": inst.APP_NAME,
            "DisplayIcon": UNINSTALLER,
            "Publisher": "Quorvel Technology Corp.",
            "DisplayVersion": "1.00.00",
        }, inst.uninstall_entry(self.session))

    def test_links(self):
        group = inst.group_folder()
        self.assertEqual({"target": APP, "arguments": ""},
                         inst.link_info(self.session, inst.desktop_link(self.session)))
        self.assertEqual({"target": APP, "arguments": ""},
                         inst.link_info(self.session, group + "\\" + inst.APP_NAME + ".lnk"))
        self.assertEqual({"target": UNINSTALLER, "arguments": "delpkg"},
                         inst.link_info(self.session, group + r"\Uninstall.lnk"))

    def test_no_service_and_no_compatibility_mark(self):
        self.assertEqual([], inst.standin_lines(self.session))
        self.assertEqual({}, inst.compat_marks(self.session))


if __name__ == "__main__":
    unittest.main()
