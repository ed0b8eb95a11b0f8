#!/usr/bin/env python3
"""A second copy of setup.exe ends at once while a first one runs."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


class SingleInstanceTest(unittest.TestCase):
    def test_second_copy_refused_while_first_holds_the_mutex(self):
        with harness.WineSession(display=True) as session:
            dist = harness.copy_distribution(session)
            holder = session.start([harness.testkit("holdmutex"), "ZTA410_INSTALL", "30"])
            try:
                self.assertTrue(harness.wait_for(
                    lambda: os.path.exists(session.host_path(r"C:\mutex-held"))))
                code = harness.run_for_exit_code(session, f'"{dist}setup.exe" s', timeout=60)
                self.assertEqual(1618, code)
                # The refused copy installed nothing.
                self.assertFalse(os.path.exists(session.host_path(r"C:\Program Files\ZTA470")))
            finally:
                holder.kill()


if __name__ == "__main__":
    unittest.main()
