#!/usr/bin/env python3
"""When the uninstaller must not remove itself: after an uninstall that did
not run (no language library, wizard cancelled), and when a path of the
self-removal script cannot reach the command interpreter unchanged."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation  # noqa: E402
import wizard  # noqa: E402
from uninstallation import (INSTALL_DIR, SCRIPT_NAME, install, install_dir, output_of, record_standins,  # noqa: E402
                            product_traces, uninstall, wait_for_script_end)

WIZARD_TITLE = "Quorvel HW RAID Manager - Uninstallation Wizard"
UNINSTALL_COMMAND = f'"{INSTALL_DIR}\\Uninstall\\setup.exe" delpkg'


class CancelledUninstallTest(unittest.TestCase):
    def run_uninstaller(self, session, close_wizard):
        """Runs Uninstall\\setup.exe delpkg to its end; a wizard it shows is
        closed before its action button, as a user who cancels does. Returns
        the exit code and whether a wizard was closed."""
        run = wizard.Wizard(session, UNINSTALL_COMMAND)
        self.addCleanup(run.end)
        closed = False
        deadline = time.time() + 120
        while run.process.poll() is None and time.time() < deadline:
            if close_wizard and not closed:
                closed = output_of(session, [harness.testkit("closewindow"), WIZARD_TITLE]).strip() == "closed"
            time.sleep(0.5)
        return run.exit_code(), closed

    def assert_untouched(self, session, installed):
        # Time enough for a script that should not be there to have started.
        time.sleep(2)
        self.assertEqual(installed, product_traces(session))
        self.assertNotIn(INSTALL_DIR + "\\" + SCRIPT_NAME, installed)

    def test_uninstaller_stays_when_the_uninstall_did_not_run(self):
        """No language library, a wizard cancelled before its action button,
        and an uninstall the procedure refuses: everything stays, the
        uninstaller included."""
        with harness.WineSession(display=True) as session:
            record_standins(session)
            install(session)
            installed = product_traces(session)
            self.assertIn(INSTALL_DIR + r"\Uninstall\setup.exe", installed)
            uninstall_dir = session.host_path(INSTALL_DIR + r"\Uninstall")
            libraries = [name for name in os.listdir(uninstall_dir) if name.lower().endswith(".dll")]

            with self.subTest("no language library"):
                aside = session.host_path(r"C:\libraries-aside")
                os.makedirs(aside)
                for name in libraries:
                    shutil.move(os.path.join(uninstall_dir, name), aside)
                code, _ = self.run_uninstaller(session, close_wizard=False)
                self.assertEqual(1603, code)
                moved = {INSTALL_DIR + "\\Uninstall\\" + name for name in libraries}
                self.assertEqual([path for path in installed if path not in moved], product_traces(session))
                for name in libraries:
                    shutil.move(os.path.join(aside, name), uninstall_dir)
                self.assert_untouched(session, installed)

            with self.subTest("wizard cancelled"):
                if not libraries:
                    self.skipTest("the distribution holds no language library to show a wizard with")
                code, closed = self.run_uninstaller(session, close_wizard=True)
                self.assertTrue(closed, "no uninstall wizard was shown")
                self.assertEqual(1602, code)
                self.assert_untouched(session, installed)

            with self.subTest("uninstall refused"):
                # The uninstaller's own setup.ini names a file outside the
                # installation: the procedure touches nothing, and the wizard
                # run that reports the failure must keep its uninstaller.
                with open(session.host_path(INSTALL_DIR + r"\Uninstall\setup.ini"), "w", encoding="utf-16",
                          newline="\r\n") as ini:
                    ini.write(installation.sample_ini(APPFileName=r"..\RIDoreDizor.exe"))
                run = wizard.Wizard(session, UNINSTALL_COMMAND)
                self.addCleanup(run.end)
                ready = wizard.snapshot(session)
                self.assertIsNotNone(ready, "no wizard window")
                _samples, finished = wizard.run_work(session, ready)
                wizard.click_control(session, finished, wizard.FINISH)
                self.assertEqual(1603, run.exit_code())
                self.assert_untouched(session, installed)


class UnrepresentablePathTest(unittest.TestCase):
    def test_script_only_for_paths_the_interpreter_reads_unchanged(self):
        with harness.WineSession(winver="xp64") as session:
            record_standins(session)

            # No character of the OEM code page stands for these two: the
            # procedure runs, but no script, and the uninstaller stays.
            unrepresentable = "ZTA470-\u6570\u636e"
            install(session, unrepresentable)
            self.assertEqual({"uninstall": "ran", "script": "none"}, uninstall(session, unrepresentable))
            folder = install_dir(unrepresentable)
            left = product_traces(session, unrepresentable)
            self.assertEqual([folder, folder + r"\Images", folder + r"\Uninstall"], left[:3])
            self.assertTrue(all(path.startswith(folder + "\\Uninstall\\") for path in left[3:]), left)
            self.assertIn(folder + r"\Uninstall\setup.exe", left)

            # A character the code page holds, a percent sign and blanks reach
            # the interpreter unchanged: everything goes.
            representable = "Caf\u00e9 100% ZTA"
            install(session, representable)
            self.assertEqual({"uninstall": "ran", "script": "started"}, uninstall(session, representable))
            self.assertTrue(wait_for_script_end(session, representable, timeout=30))
            self.assertEqual([], product_traces(session, representable))


if __name__ == "__main__":
    unittest.main()
