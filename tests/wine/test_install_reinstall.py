#!/usr/bin/env python3
"""Silent install over an earlier installation on Windows 7: the old service is
taken down first, a running application is asked to close before any file is
touched, links and registry values are written anew; an application that
hangs on WM_CLOSE holds the install up only for a bounded time."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation as inst  # noqa: E402

APP = inst.INSTALL_DIR + r"\RIDoreDizor.exe"
UNINSTALLER = inst.INSTALL_DIR + r"\Uninstall\setup.exe"


class ReinstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(winver="win7", display=True)
        inst.record_standins(cls.session)
        inst.plant_stray_program(cls.session)
        cls.dist = harness.copy_distribution(cls.session)
        code, warnings = inst.silent_install(cls.session, cls.dist)
        if code != 0 or warnings:
            raise AssertionError(f"first install: {code} {warnings}")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start_application(self, *arguments):
        inst.clear_standin_log(self.session)
        self.session.start([APP] + list(arguments))
        self.assertTrue(inst.wait_for_line(self.session, "^app window ready$"))
        inst.clear_standin_log(self.session)

    def test_1_reinstall_over_running_application(self):
        session = self.session
        self.start_application()
        # Traces of the earlier installation that the reinstall must mend.
        shutil.rmtree(session.host_path(inst.INSTALL_DIR + r"\Uninstall"))
        with open(session.host_path(inst.desktop_link(session)), "wb") as damaged:
            damaged.write(b"not a link")
        os.remove(session.host_path(inst.group_folder() + r"\Uninstall.lnk"))
        harness.copy_distribution(session, ini_text=inst.sample_ini(Version="2.00.00"))

        code, warnings = inst.silent_install(session, self.dist)
        self.assertEqual(0, code)
        self.assertEqual([], warnings)

        lines = inst.standin_lines(session)
        close = next(line for line in lines if line.startswith("app folder at close:"))
        self.assertEqual(["NorSrvSetup -k", "NorSrvSetup -u", close, "app WM_CLOSE closed", "NorSrvSetup -i"],
                         lines)
        # The application was asked to close before the install touched its
        # folder: the Uninstall folder was not made again yet.
        self.assertIn("RIDoreDizor.exe", close.split())
        self.assertNotIn("Uninstall", close.split())
        self.assertTrue(os.path.exists(session.host_path(UNINSTALLER)))

        self.assertEqual("2.00.00", inst.uninstall_entry(session)["DisplayVersion"])
        self.assertEqual({"target": APP, "arguments": ""}, inst.link_info(session, inst.desktop_link(session)))
        self.assertEqual({"target": UNINSTALLER, "arguments": "delpkg"},
                         inst.link_info(session, inst.group_folder() + r"\Uninstall.lnk"))
        self.assertEqual(sorted([inst.APP_NAME + ".lnk", "Uninstall.lnk"]),
                         sorted(os.listdir(session.host_path(inst.group_folder()))))

    def test_2_application_hanging_on_close_does_not_hang_the_install(self):
        session = self.session
        self.start_application("--hang-on-close")
        started = time.time()
        code, warnings = inst.silent_install(session, self.dist, timeout=90)
        elapsed = time.time() - started
        lines = inst.standin_lines(session)
        self.assertIn("app WM_CLOSE hang", lines)
        # The install went on after its bounded wait and finished its work.
        self.assertEqual("NorSrvSetup -i", lines[-1])
        self.assertLess(elapsed, 60)
        self.assertEqual([], warnings)
        # The still running executable could not be replaced: a failure that
        # the exit code reports, with no box of its own.
        self.assertEqual(1603, code)
        self.assertTrue(os.path.exists(session.host_path(UNINSTALLER)))
        self.assertEqual({"target": APP, "arguments": ""}, inst.link_info(session, inst.desktop_link(session)))
        print(f"install beside a hanging application: {elapsed:.1f} s, exit code {code}")


if __name__ == "__main__":
    unittest.main()
