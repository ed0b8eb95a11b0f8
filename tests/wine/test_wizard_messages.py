#!/usr/bin/env python3
"""How the wizard answers the worker's messages and its timer, posted to it
from outside; a real install that meets a failure; dragging by the face."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation  # noqa: E402
import wizard  # noqa: E402
from wizard import ACTION, CLOSE, FINISH, HEADING, LAUNCH, PROGRESS, WM_SETUP_PROGRESS, WM_TIMER  # noqa: E402

WM_CLOSE = 0x0010


class WizardMessagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(display=True)
        installation.record_standins(cls.session)
        cls.dist = harness.copy_distribution(cls.session)
        cls.strings = wizard.language_strings(cls.session, cls.dist + "setupENU.dll")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def start_wizard(self, dist=None):
        run = wizard.Wizard(self.session, f'"{dist or self.dist}setup.exe"')
        self.addCleanup(run.end)
        view = wizard.snapshot(self.session)
        self.assertIsNotNone(view, "no wizard window")
        return run, view

    def post(self, wparam, lparam=0, message=WM_SETUP_PROGRESS):
        wizard.post(self.session, message, wparam, lparam)

    def settled(self, predicate):
        return wizard.wait_snapshot(self.session, predicate, timeout=20)

    def test_codes_failure_end_and_timer(self):
        strings = self.strings
        run, ready = self.start_wizard()

        # Dragged by a point of the face, the window follows the mouse.
        start = (ready.x + 100, ready.y + 200)
        wizard.drag(self.session, start, (start[0] + 60, start[1] + 40))
        moved = wizard.snapshot(self.session)
        self.assertEqual((ready.x + 60, ready.y + 40), (moved.x, moved.y))

        # Codes 0 and above 6 mean nothing; only the low byte of wParam counts.
        for wparam in (0, 7, 0x100, 0xFF):
            self.post(wparam)
        time.sleep(0.5)
        self.assertEqual(ready.phase_view(), wizard.snapshot(self.session).phase_view())

        self.post(1)
        running = self.settled(lambda v: v[PROGRESS].pos >= 10)
        self.assertEqual((strings[16], strings[6], True, False, False, False, False, True, False),
                         running.phase_view())
        # While the work runs, a close request from outside (the taskbar,
        # Alt+F4) does not end the wizard.
        self.post(0, 0, message=WM_CLOSE)
        time.sleep(0.5)
        self.assertIsNotNone(wizard.snapshot(self.session, wait_seconds=2))

        # wParam 0x102 is code 2; lParam 0 reports a failure: the failure
        # heading, the bar where it was, no launch offered.
        self.post(0x102, 0)
        failed = self.settled(lambda v: v[FINISH].visible and v[HEADING].text == strings[9])
        self.assertEqual((strings[9], strings[8], False, False, True, False, True, True, False),
                         failed.phase_view())
        position = failed[PROGRESS].pos
        self.assertLess(position, 100)
        time.sleep(0.6)  # the timer has been stopped
        self.assertEqual(position, wizard.snapshot(self.session)[PROGRESS].pos)

        # Only timer 100 moves the bar, by one step.
        self.post(7, 0, message=WM_TIMER)
        time.sleep(0.3)
        self.assertEqual(position, wizard.snapshot(self.session)[PROGRESS].pos)
        self.post(100, 0, message=WM_TIMER)
        self.assertEqual(position + 5, self.settled(lambda v: v[PROGRESS].pos != position)[PROGRESS].pos)

        wizard.click_control(self.session, failed, CLOSE)
        self.assertEqual(1603, run.exit_code())

    def test_uninstall_codes_and_success_end(self):
        strings = self.strings
        run, _ready = self.start_wizard()
        self.post(4)
        running = self.settled(lambda v: v[HEADING].text == strings[17])
        self.assertEqual(strings[13], running.phase_view()[1])
        self.post(5, 0)
        failed = self.settled(lambda v: v[FINISH].visible)
        self.assertEqual((strings[14], strings[8]), failed.phase_view()[:2])
        self.assertTrue(failed[PROGRESS].visible)
        # Code 2 with lParam 1 after it: the successful end of an install.
        self.post(2, 1)
        done = self.settled(lambda v: v[LAUNCH].visible)
        self.assertEqual((strings[7], strings[8], False, False, True, False, True, False, True),
                         done.phase_view())
        # Once the work has ended, a close request ends the wizard like the close button.
        self.post(0, 0, message=WM_CLOSE)
        self.assertEqual(0, run.exit_code())

    def test_install_meeting_a_failure_shows_it_and_launches_nothing(self):
        # A required file missing from the distribution: its copy fails.
        dist = harness.copy_distribution(self.session, r"C:\broken", omit=["Application/mingwm10.dll"])
        installation.clear_standin_log(self.session)
        run, ready = self.start_wizard(dist)
        _samples, finished = wizard.run_work(self.session, ready)
        self.assertEqual((self.strings[9], self.strings[8], False, False, True, False, True, True, False),
                         finished.phase_view())
        self.assertFalse(finished[ACTION].visible)
        wizard.click_control(self.session, finished, FINISH)
        self.assertEqual(1603, run.exit_code())
        time.sleep(3)
        self.assertEqual([], [line for line in installation.standin_lines(self.session)
                              if line.startswith("app started")])


if __name__ == "__main__":
    unittest.main()
