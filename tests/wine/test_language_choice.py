#!/usr/bin/env python3
"""setup.exe picks its language library by the user's and the system's language.

Under Wine both follow the process locale. LC_ALL sets all four language
sources at once; with locales compiled for the run (LOCPATH), LC_MESSAGES sets
the user's language and LC_CTYPE the system's, so the two can differ.

Which library a run loads is read from Wine's loader trace of the real
setup.exe; the run is ended as soon as the library is known, so whatever the
wizard shows afterwards does not matter here.
"""

import ntpath
import os
import re
import subprocess
import sys
import threading
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

LIBRARIES = ["ENU", "CHT", "CHS", "JPN", "KOR", "FRA", "DEU", "ITA", "RUS", "ESN", "SVE", "NLD", "PTB"]

# Process locale -> the library its language selects.
OWN_LANGUAGE = [
    ("en_US.UTF-8", "ENU"), ("zh_TW.UTF-8", "CHT"), ("zh_CN.UTF-8", "CHS"),
    ("ja_JP.UTF-8", "JPN"), ("ko_KR.UTF-8", "KOR"), ("fr_FR.UTF-8", "FRA"),
    ("de_DE.UTF-8", "DEU"), ("it_IT.UTF-8", "ITA"), ("ru_RU.UTF-8", "RUS"),
    ("es_ES.UTF-8", "ESN"), ("sv_SE.UTF-8", "SVE"), ("nl_NL.UTF-8", "NLD"),
    ("pt_BR.UTF-8", "PTB"),
]

LOADED = re.compile(r'Loaded L"(.*?)" at')


def library_files(*codes):
    return [f"setup{code}.dll" for code in codes]


def loaded_language_library(session, program, locale_env, timeout=60):
    """Starts program (a Windows path) with the given locale variables and
    returns the file name of the language library it loads, or None when it
    ends without loading one. The run is ended once the library is known."""
    env = {name: value for name, value in session.env.items()
           if not (name.startswith("LC_") or name == "LANG")}
    env.update(locale_env)
    env["WINEDEBUG"] = "-all,+loaddll"
    folder = ntpath.dirname(program).lower()
    process = subprocess.Popen(["wine", program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True, errors="replace")
    watchdog = threading.Timer(timeout, process.kill)
    watchdog.start()
    try:
        for line in process.stderr:
            match = LOADED.search(line)
            if not match:
                continue
            path = match.group(1).replace("\\\\", "\\")
            name = ntpath.basename(path)
            if ntpath.dirname(path).lower() == folder and re.fullmatch(r"(?i)setup\w{3}\.dll", name):
                return name
        return None
    finally:
        watchdog.cancel()
        process.kill()
        process.wait()
        process.stderr.close()


def compile_locales(folder, *names):
    """Compiles glibc locales (e.g. de_DE) into folder for LOCPATH."""
    for name in names:
        target = os.path.join(folder, name + ".UTF-8")
        subprocess.run(["localedef", "-i", name, "-f", "UTF-8", target],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        if not os.path.isfile(os.path.join(target, "LC_CTYPE")):
            raise unittest.SkipTest(f"localedef could not compile {name}")


class LanguageChoiceTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.WineSession(display=True)
        cls.locales = os.path.join(cls.session.root, "locales")
        os.makedirs(cls.locales)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def split_locale(self, user, system):
        """User language from LC_MESSAGES, system language from LC_CTYPE."""
        compile_locales(self.locales, user, system)
        return {"LOCPATH": self.locales, "LC_MESSAGES": user + ".UTF-8", "LC_CTYPE": system + ".UTF-8"}

    def test_each_language_selects_its_own_library(self):
        dist = harness.copy_distribution(self.session, r"C:\dist")
        for locale, code in OWN_LANGUAGE + [("pl_PL.UTF-8", "ENU")]:
            with self.subTest(locale=locale):
                loaded = loaded_language_library(self.session, dist + "setup.exe", {"LC_ALL": locale})
                self.assertEqual(f"setup{code}.DLL", loaded)

    def test_language_without_library_takes_english_even_when_the_system_language_has_one(self):
        dist = harness.copy_distribution(self.session, r"C:\nopolish")
        loaded = loaded_language_library(self.session, dist + "setup.exe",
                                         self.split_locale(user="pl_PL", system="de_DE"))
        self.assertEqual("setupENU.DLL", loaded)

    def test_without_own_and_english_library_the_system_language_is_taken(self):
        dist = harness.copy_distribution(self.session, r"C:\noenglish",
                                         omit=library_files("ENU"))
        loaded = loaded_language_library(self.session, dist + "setup.exe",
                                         self.split_locale(user="pl_PL", system="de_DE"))
        self.assertEqual("setupDEU.DLL", loaded)

    def test_program_named_in_capitals_finds_its_libraries(self):
        dist = harness.copy_distribution(self.session, r"C:\Capitals")
        folder = self.session.host_path(dist)
        os.rename(os.path.join(folder, "setup.exe"), os.path.join(folder, "SETUP.EXE"))
        loaded = loaded_language_library(self.session, dist + "SETUP.EXE", {"LC_ALL": "de_DE.UTF-8"})
        self.assertEqual("setupDEU.DLL", loaded)

    def test_no_loadable_library_ends_the_run_at_once_with_1603(self):
        # A run that showed a window or a message would wait for the user and
        # not end by itself.
        cases = {
            "no libraries": harness.copy_distribution(self.session, r"C:\bare",
                                                      omit=library_files(*LIBRARIES)),
            # The library names are cut at the first ".exe" of the path.
            "folder named like a program": harness.copy_distribution(self.session, r"C:\a.exe.d"),
        }
        for case, dist in cases.items():
            with self.subTest(case=case):
                self.assertIsNone(loaded_language_library(self.session, dist + "setup.exe",
                                                          {"LC_ALL": "de_DE.UTF-8"}))
                self.assertEqual(1603, harness.run_for_exit_code(
                    self.session, f'"{dist}setup.exe"', timeout=60))


if __name__ == "__main__":
    unittest.main()
