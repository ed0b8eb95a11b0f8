#!/usr/bin/env python3
"""A fresh silent install on the Windows NT 6.x course (Windows 7): what lands
on the machine, read back from the files, the registry and the shell links."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation as inst  # noqa: E402

APP = inst.INSTALL_DIR + r"\RIDoreDizor.exe"
UNINSTALLER = inst.INSTALL_DIR + r"\Uninstall\setup.exe"


class FreshSilentInstallWin7Test(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(winver="win7", display=True)
        inst.record_standins(cls.session)
        inst.plant_stray_program(cls.session)
        cls.dist = harness.copy_distribution(cls.session)
        cls.exit_code, cls.warnings = inst.silent_install(cls.session, cls.dist)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def test_ends_without_failure_or_warning(self):
        self.assertEqual(0, self.exit_code)
        self.assertEqual([], self.warnings)

    def test_files_and_folders(self):
        languages = [name for name in ("setupENU.dll", "setupCHT.dll", "setupCHS.dll", "setupJPN.dll")
                     if os.path.exists(os.path.join(harness.DIST, name))]
        expected = (["mingwm10.dll", "NorSrvSetup.exe", "RIDoreDizor.exe", "setup.ini",
                     r"Uninstall\setup.exe", r"Uninstall\setup.ini"]
                    + [r"Uninstall" + "\\" + name for name in languages]
                    + inst.image_rows())
        self.assertEqual(sorted(expected, key=str.lower), inst.installed_files(self.session))
        self.assertEqual(104, len(inst.image_rows()))
        # The uninstaller is the distribution's setup.exe, byte for byte.
        with open(os.path.join(harness.DIST, "setup.exe"), "rb") as shipped, \
                open(self.session.host_path(UNINSTALLER), "rb") as installed:
            self.assertEqual(shipped.read(), installed.read())

    def test_uninstall_entry_with_quoted_uninstaller(self):
        self.assertEqual({
            "UninstallString": f'"{UNINSTALLER}" delpkg',
            "DisplayName": inst.APP_NAME,
            "DisplayIcon": UNINSTALLER,
            "Publisher": "Quorvel Technology Corp.",
            "DisplayVersion": "1.00.00",
        }, inst.uninstall_entry(self.session))

    def test_service_installed_instead_of_run_value(self):
        self.assertNotIn(inst.APP_NAME, harness.reg_query(self.session, inst.RUN_KEY) or {})
        # Fresh machine: nothing to take down; no launch without LaunchAPInSilentMode.
        # The quoted command line started the service setup program, not the
        # stray C:\Program.exe.
        self.assertEqual(["NorSrvSetup -i"], inst.standin_lines(self.session))

    def test_links_read_back_through_the_shell(self):
        self.assertEqual({"target": APP, "arguments": ""},
                         inst.link_info(self.session, inst.desktop_link(self.session)))
        group = inst.group_folder()
        self.assertEqual({"target": APP, "arguments": ""},
                         inst.link_info(self.session, group + "\\" + inst.APP_NAME + ".lnk"))
        self.assertEqual({"target": UNINSTALLER, "arguments": "delpkg"},
                         inst.link_info(self.session, group + r"\Uninstall.lnk"))
        self.assertEqual(sorted([inst.APP_NAME + ".lnk", "Uninstall.lnk"]),
                         sorted(os.listdir(self.session.host_path(group))))

    def test_compatibility_mark_of_the_installed_application(self):
        marks = inst.compat_marks(self.session)
        self.assertEqual("0x1", marks.get(APP))
        # And of the running setup, lower-cased, at its start.
        self.assertEqual("0x1", marks.get(self.dist.lower() + "setup.exe"))


if __name__ == "__main__":
    unittest.main()
