#!/usr/bin/env python3
"""The install wizard from start to end, driven with real mouse clicks on the
test's own display: the window as it opens, the running and finished phases,
and whether the installed application is started afterwards."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation  # noqa: E402
import wizard  # noqa: E402
from wizard import ACTION, CANCEL, CLOSE, FINISH, LAUNCH, PROGRESS, TITLE  # noqa: E402

WS_TABSTOP = 0x00010000
MAGENTA = (255, 0, 255)
APP_STARTED = r"^app started"


class InstallWizardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # A German user: the wizard's texts come from setupDEU.dll.
        cls.session = harness.WineSession(display=True, locale="de_DE.UTF-8")
        installation.record_standins(cls.session)
        cls.dist = harness.copy_distribution(cls.session)
        cls.strings = wizard.language_strings(cls.session, cls.dist + "setupDEU.dll")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start_wizard(self):
        installation.clear_standin_log(self.session)
        run = wizard.Wizard(self.session, f'"{self.dist}setup.exe"')
        self.addCleanup(run.end)
        view = wizard.snapshot(self.session)
        self.assertIsNotNone(view, "no wizard window")
        return run, view

    def install_to_finished(self, run, view, repeat=1):
        samples, finished = wizard.run_work(self.session, view, repeat)
        strings = self.strings
        self.assertEqual((strings[7], strings[8], False, False, True, False, True, False, True),
                         finished.phase_view())
        self.assertEqual(strings[3], finished[FINISH].text)
        return samples, finished

    def test_1_install_from_ready_to_launch(self):
        strings = self.strings
        run, ready = self.start_wizard()

        # Centred on the 1024 x 768 display at the skin's size, cut to its outline.
        self.assertEqual((wizard.CENTRED_X, wizard.CENTRED_Y, wizard.SKIN_WIDTH, wizard.SKIN_HEIGHT),
                         (ready.x, ready.y, ready.w, ready.h))
        self.assertEqual("complex", ready.region)
        title = installation.APP_NAME + " - Installation Wizard"
        self.assertEqual(title, ready.title)
        self.assertEqual(title, ready[TITLE].text)

        # The ready phase in the user's language.
        self.assertEqual((strings[5], strings[4], True, True, False, True, True, False, False),
                         ready.phase_view())
        self.assertEqual(strings[1], ready[ACTION].text)
        self.assertEqual(strings[2], ready[CANCEL].text)
        self.assertEqual(strings[20], ready[LAUNCH].text)
        # The check box is the only tab stop.
        self.assertEqual([wizard.LAUNCH], [c.id for c in ready.controls.values() if c.style & WS_TABSTOP])
        # The buttons have the sizes of their faces.
        self.assertEqual((111, 22), (ready[ACTION].w, ready[ACTION].h))
        self.assertEqual((20, 17), (ready[CLOSE].w, ready[CLOSE].h))

        # The corners of the skin lie outside the window: the screen shows
        # what is behind it there, as far outside the window.
        screen = wizard.Screen(self.session)
        outside = screen.pixel(5, 5)
        for corner in ((ready.x, ready.y), (ready.x + ready.w - 1, ready.y),
                       (ready.x, ready.y + ready.h - 1), (ready.x + ready.w - 1, ready.y + ready.h - 1)):
            self.assertEqual(outside, screen.pixel(*corner), corner)
            self.assertNotEqual(MAGENTA, screen.pixel(*corner), corner)
        # Inside, the skin's dark heading band.
        self.assertNotEqual(outside, screen.pixel(ready.x + 20, ready.y + 60))

        # A running copy of the application makes the install wait for it to
        # close, long enough for the bar to move on.
        installation.clear_standin_log(self.session)
        self.session.start([self.dist + r"Application\RIDoreDizor.exe"])
        self.assertTrue(installation.wait_for_line(self.session, r"^app window ready"))

        # Two quick presses of the action button start one install only.
        samples, finished = self.install_to_finished(run, ready, repeat=2)
        # Samples that fall between two changes of a phase are passed over.
        running_phase = (strings[16], strings[6], True, False, False, False, False, True, False)
        running = [s for s in samples if s.phase_view() == running_phase]
        self.assertTrue(running, "the running phase was not seen")
        positions = [s[PROGRESS].pos for s in running]
        self.assertEqual(sorted(positions), positions)
        self.assertGreaterEqual(max(positions), 5, "the bar did not advance")
        self.assertLessEqual(max(positions), 95)
        lines = installation.standin_lines(self.session)
        self.assertIn("app WM_CLOSE closed", lines)
        self.assertEqual(1, sum(1 for line in lines if line.startswith("NorSrvSetup -i")))

        # The install is real.
        self.assertTrue(os.path.exists(self.session.host_path(installation.INSTALL_DIR + r"\RIDoreDizor.exe")))
        self.assertIsNotNone(installation.uninstall_entry(self.session))

        # Finish with the box ticked starts the installed application.
        wizard.click_control(self.session, finished, FINISH)
        self.assertEqual(0, run.exit_code())
        self.assertTrue(installation.wait_for_line(self.session, APP_STARTED, count=2))
        self.assertEqual(2, sum(1 for line in installation.standin_lines(self.session)
                                if line.startswith("app started")))

    def test_2_cleared_box_launches_nothing(self):
        run, ready = self.start_wizard()
        _samples, finished = self.install_to_finished(run, ready)
        before = wizard.area_of(wizard.Screen(self.session), finished[LAUNCH])
        wizard.click_control(self.session, finished, LAUNCH)
        time.sleep(0.5)
        after = wizard.area_of(wizard.Screen(self.session), finished[LAUNCH])
        self.assertNotEqual(before, after, "the check box did not change its face")
        wizard.click_control(self.session, finished, FINISH)
        self.assertEqual(0, run.exit_code())
        time.sleep(3)
        self.assertEqual([], [line for line in installation.standin_lines(self.session)
                              if line.startswith("app started")])

    def test_3_close_button_after_install_launches_nothing(self):
        run, ready = self.start_wizard()
        # Two clicks of the action button that reach the wizard back to back,
        # before the worker can report its begin: one install only.
        wizard.post(self.session, wizard.WM_COMMAND, ACTION, 0, count=2)
        finished = wizard.wait_snapshot(self.session, lambda v: v[FINISH].visible and v[LAUNCH].visible)
        self.assertEqual(1, sum(1 for line in installation.standin_lines(self.session)
                                if line.startswith("NorSrvSetup -i")))

        wizard.click_control(self.session, finished, CLOSE)
        self.assertEqual(0, run.exit_code())
        time.sleep(3)
        self.assertEqual([], [line for line in installation.standin_lines(self.session)
                              if line.startswith("app started")])


if __name__ == "__main__":
    unittest.main()
