#!/usr/bin/env python3
"""Silent installs that meet a failure, on Windows 7: a setup.ini whose names
would lead outside the installation is refused before anything is touched; a
service setup program that cannot start ends the install before the links."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import installation as inst  # noqa: E402

APP = inst.INSTALL_DIR + r"\RIDoreDizor.exe"

# (setup.ini key, value): each value cannot stand as one file or folder name.
REFUSED_VALUES = [
    ("APPFolderName", ""),
    ("APPFolderName", r"..\Windows"),
    ("APPFolderName", "C:ZTA470"),
    ("APPFolderName", "CON"),
    ("APPFileName", r"..\..\Windows\notepad.exe"),
    ("APPFileName", "tools/RIDoreDizor.exe"),
    ("APPFileName", "RIDoreDizor?.exe"),
    ("AppName", "Quorvel: HW RAID Manager"),
    ("AppName", ".."),
    ("AppName", "Quorvel HW RAID Manager."),
]


class FailedInstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(winver="win7", display=True)
        inst.record_standins(cls.session)
        inst.plant_stray_program(cls.session)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def machine_state(self):
        session = self.session
        return {
            "program files": sorted(os.listdir(session.host_path(r"C:\Program Files"))),
            "windows": sorted(os.listdir(session.host_path(r"C:\windows"))),
            "programs": sorted(os.listdir(session.host_path(inst.PROGRAMS))),
            "desktop": sorted(os.listdir(session.host_path(inst.DESKTOP.format(user=inst.windows_user(session))))),
            "uninstall entries": harness.reg_query(session, inst.UNINSTALL_KEY.rsplit("\\", 1)[0]),
            "standins": inst.standin_lines(session),
        }

    def test_1_unusable_names_are_refused_before_anything_is_touched(self):
        before = self.machine_state()
        for key, value in REFUSED_VALUES:
            with self.subTest(key=key, value=value):
                # LaunchAPInSilentMode asks for a launch, which must not follow either.
                dist = harness.copy_distribution(self.session, ini_text=inst.sample_ini(
                    **{key: value, "LaunchAPInSilentMode": "1"}))
                with inst.FailBoxWatch(self.session) as watch:
                    code = harness.run_for_exit_code(self.session, f'"{dist}setup.exe" s')
                    boxes = harness.wait_for(watch.boxes, timeout=5)
                self.assertEqual(1603, code)
                self.assertEqual(1, len(boxes), boxes)
                self.assertIn(f'"{key}"', boxes[0]["text"])
                self.assertIn("Nothing was installed.", boxes[0]["text"])
                self.assertEqual("none", boxes[0]["owner"])
                self.assertEqual("warning", boxes[0]["icon"])
                self.assertEqual("OK", boxes[0]["buttons"])
                self.assertEqual(before, self.machine_state())

    def test_2_service_setup_program_that_cannot_start(self):
        session = self.session
        dist = harness.copy_distribution(session, ini_text=inst.sample_ini(LaunchAPInSilentMode="1"))
        with open(session.host_path(dist + r"Application\NorSrvSetup.exe"), "wb") as broken:
            broken.write(b"this is no program\r\n" * 64)
        with inst.FailBoxWatch(session) as watch:
            code = harness.run_for_exit_code(session, f'"{dist}setup.exe" s')
        self.assertEqual(1603, code)
        self.assertEqual([{"owner": "none", "icon": "warning", "buttons": "OK",
                           "text": "Fail to install the service!"}], watch.boxes())
        # Files and registry are in place ...
        self.assertTrue(os.path.exists(session.host_path(APP)))
        self.assertEqual(inst.APP_NAME, inst.uninstall_entry(session)["DisplayName"])
        # ... but no links and no compatibility mark for the application.
        self.assertFalse(os.path.exists(session.host_path(inst.desktop_link(session))))
        self.assertFalse(os.path.exists(session.host_path(inst.group_folder())))
        self.assertNotIn(APP, inst.compat_marks(session))
        # The application is started all the same, without arguments.
        self.assertTrue(inst.wait_for_line(session, r"^app window ready$"))
        # The quoted launch started the application, not the stray C:\Program.exe.
        self.assertEqual(["app started args=[]", "app window ready"], inst.standin_lines(session))


if __name__ == "__main__":
    unittest.main()
