#!/usr/bin/env python3
"""The self-removal script ends by itself when a file of the Uninstall folder
can never be deleted: it pauses between its passes and gives up after about a
minute, deleting itself and leaving the folder it could not remove."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from uninstallation import (INSTALL_DIR, SCRIPT_NAME, HeldFile, install, record_standins,  # noqa: E402
                            uninstall, wait_for_script_end)

# About a minute of passes, one second apart, and the time the interpreter
# needs to start and end under Wine.
SHORTEST_RUN_SECONDS = 45
LONGEST_RUN_SECONDS = 100


class SelfRemovalBoundTest(unittest.TestCase):
    def test_script_gives_up_on_a_file_that_never_goes(self):
        with harness.WineSession(winver="xp64") as session:
            record_standins(session)
            install(session)
            held = HeldFile(session, INSTALL_DIR + r"\Uninstall\setup.ini", 300)
            try:
                started = time.monotonic()
                self.assertEqual({"uninstall": "ran", "script": "started"}, uninstall(session))
                self.assertTrue(wait_for_script_end(session, timeout=LONGEST_RUN_SECONDS))
                elapsed = time.monotonic() - started
                # Not at once: the passes are paced rather than spun.
                self.assertGreater(elapsed, SHORTEST_RUN_SECONDS)

                self.assertTrue(os.path.exists(session.host_path(INSTALL_DIR + r"\Uninstall\setup.ini")))
                self.assertFalse(os.path.exists(session.host_path(INSTALL_DIR + "\\" + SCRIPT_NAME)))
            finally:
                held.release()
            print(f"script gave up after {elapsed:.0f} s")


if __name__ == "__main__":
    unittest.main()
