#!/usr/bin/env python3
"""The uninstall wizard, started the way the machine's uninstall entry starts
it: cancelled it leaves everything in place; run to its end it removes the
installation and, once it has ended, its own Uninstall folder."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation  # noqa: E402
import wizard  # noqa: E402
from wizard import ACTION, CANCEL, FINISH, LAUNCH, PROGRESS  # noqa: E402

UNINSTALLER = installation.INSTALL_DIR + r"\Uninstall\setup.exe"
APPLICATION = installation.INSTALL_DIR + r"\RIDoreDizor.exe"


class UninstallWizardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(display=True)
        dist = harness.copy_distribution(cls.session)
        code, warnings = installation.silent_install(cls.session, dist)
        if code != 0 or warnings:
            raise AssertionError(f"the install failed: {code} {warnings}")
        cls.strings = wizard.language_strings(cls.session, dist + "setupENU.dll")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def exists(self, windows_path):
        return os.path.exists(self.session.host_path(windows_path))

    def start_uninstall_entry(self):
        command = harness.reg_query(self.session, installation.UNINSTALL_KEY, "UninstallString")
        self.assertTrue(command, "no uninstall entry")
        run = wizard.Wizard(self.session, command)
        self.addCleanup(run.end)
        view = wizard.snapshot(self.session)
        self.assertIsNotNone(view, "no wizard window")
        return run, view

    def test_1_cancelled_uninstall_leaves_everything(self):
        strings = self.strings
        run, ready = self.start_uninstall_entry()
        self.assertEqual(installation.APP_NAME + " - Uninstallation Wizard", ready.title)
        self.assertEqual((strings[11], strings[12], True, True, False, True, True, False, False),
                         ready.phase_view())
        self.assertEqual(strings[10], ready[ACTION].text)
        self.assertEqual("", ready[LAUNCH].text)

        wizard.click_control(self.session, ready, CANCEL)
        self.assertEqual(1602, run.exit_code())
        # Time for a self-removal script to have done its work, had one started.
        time.sleep(4)
        self.assertTrue(self.exists(UNINSTALLER))
        self.assertTrue(self.exists(APPLICATION))
        self.assertIsNotNone(installation.uninstall_entry(self.session))

    def test_2_uninstall_removes_installation_then_uninstaller(self):
        strings = self.strings
        run, ready = self.start_uninstall_entry()
        samples, finished = wizard.run_work(self.session, ready)
        # Samples that fall between two changes of a phase are passed over.
        running_phase = (strings[17], strings[13], True, False, False, False, False, True, False)
        self.assertIn(running_phase, [s.phase_view() for s in samples], "the running phase was not seen")
        # The bar stays, full; no launch is offered.
        self.assertEqual((strings[15], strings[8], False, False, True, False, True, True, False),
                         finished.phase_view())
        self.assertEqual(100, finished[PROGRESS].pos)

        self.assertFalse(self.exists(APPLICATION))
        self.assertIsNone(installation.uninstall_entry(self.session))

        wizard.click_control(self.session, finished, FINISH)
        self.assertEqual(0, run.exit_code())
        self.assertTrue(harness.wait_for(lambda: not self.exists(installation.INSTALL_DIR + r"\Uninstall"),
                                         timeout=60), "the Uninstall folder is still there")


if __name__ == "__main__":
    unittest.main()
