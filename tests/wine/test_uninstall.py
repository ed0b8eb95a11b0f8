#!/usr/bin/env python3
"""Install with `setup.exe s`, then uninstall from the installation's own
Uninstall folder, on Windows NT 6.x and before it: what the procedure removes
at once, what the self-removal script removes once the uninstaller's files are
free, and what neither may touch."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation  # noqa: E402
from uninstallation import (APP_NAME, INSTALL_DIR, RUN_KEY, SCRIPT_NAME, UNINSTALL_ROOT, HeldFile,  # noqa: E402
                            install, place_driver, product_traces, record_standins, run_driver,
                            service_calls, uninstall, wait_for_script_end)


class UninstallCourseTest(unittest.TestCase):
    def assert_installed(self, session, nt6):
        host = session.host_path
        for path in (r"\Uninstall\setup.exe", r"\RIDoreDizor.exe", r"\mingwm10.dll", r"\Images"):
            self.assertTrue(os.path.exists(host(INSTALL_DIR + path)), path)
        self.assertIsNotNone(harness.reg_query(session, UNINSTALL_ROOT + r"\ZTA470"))
        self.assertTrue(os.path.exists(host(installation.desktop_link(session))))
        group = host(installation.group_folder())
        self.assertEqual([APP_NAME + ".lnk", "Uninstall.lnk"], sorted(os.listdir(group)))
        self.assertEqual(not nt6, harness.reg_query(session, RUN_KEY, APP_NAME) is not None)
        self.assertEqual(["-i"] if nt6 else [], service_calls(session))

    def assert_only_left_for_the_script(self, traces, keep):
        """Right after the procedure: the install folder, its Images folder,
        the Uninstall folder with everything in it, the script, and whatever
        the user keeps; no file of the application, no registry, no link."""
        allowed = {INSTALL_DIR, INSTALL_DIR + r"\Images", INSTALL_DIR + "\\" + SCRIPT_NAME}
        allowed |= set(keep) | {kept.rsplit("\\", 1)[0] for kept in keep}
        left = [trace for trace in traces
                if trace not in allowed and not trace.startswith(INSTALL_DIR + r"\Uninstall")]
        self.assertEqual([], left)
        self.assertIn(INSTALL_DIR + r"\Uninstall\setup.exe", traces)
        self.assertEqual([], os.listdir(self.session.host_path(INSTALL_DIR + r"\Images")))

    def run_course(self, winver, nt6, keep=()):
        """Install, start the application, uninstall while the uninstaller's
        executable is still held, let go, and return what is left afterwards."""
        with harness.WineSession(winver=winver, display=True) as session:
            self.session = session
            record_standins(session)
            install(session)
            self.assert_installed(session, nt6)
            for kept in keep:
                with open(session.host_path(kept), "w") as user_file:
                    user_file.write("the user's own\n")

            application = session.start([INSTALL_DIR + r"\RIDoreDizor.exe"])
            self.assertTrue(installation.wait_for_line(session, "app window ready"))

            held = HeldFile(session, INSTALL_DIR + r"\Uninstall\setup.exe", 120)
            try:
                self.assertEqual({"uninstall": "ran", "script": "started"}, uninstall(session))
                self.assertEqual(["-i", "-k", "-u"] if nt6 else [], service_calls(session))
                # The running application was asked to close before its files went.
                self.assertIn("app WM_CLOSE closed", installation.standin_lines(session))
                application.wait(timeout=30)
                self.assert_only_left_for_the_script(product_traces(session), keep)

                # While the executable is held the script keeps trying.
                time.sleep(3)
                self.assertTrue(os.path.exists(session.host_path(INSTALL_DIR + r"\Uninstall\setup.exe")))
                self.assertTrue(os.path.exists(session.host_path(INSTALL_DIR + "\\" + SCRIPT_NAME)))
            finally:
                held.release()
            self.assertTrue(wait_for_script_end(session, timeout=30))
            left = product_traces(session)

            # A second uninstall finds nothing to remove and ends normally.
            dist_driver = place_driver(session, r"C:\dist")
            self.assertEqual("ran", run_driver(session, dist_driver)["uninstall"])
            self.assertTrue(wait_for_script_end(session, timeout=30))
            self.assertEqual(left, product_traces(session))
            return left

    def test_nt6_takes_the_service_down_and_leaves_nothing(self):
        self.assertEqual([], self.run_course("win7", nt6=True))

    def test_before_nt6_removes_the_run_value_and_keeps_what_the_user_added(self):
        # A file of the user's in the install folder and one in the program
        # group: both folders stay, holding just that.
        group = installation.group_folder()
        keep = [INSTALL_DIR + r"\notes.txt", group + r"\readme.txt"]
        self.assertEqual([INSTALL_DIR, INSTALL_DIR + r"\notes.txt", group, group + r"\readme.txt"],
                         self.run_course("xp64", nt6=False, keep=keep))


if __name__ == "__main__":
    unittest.main()
