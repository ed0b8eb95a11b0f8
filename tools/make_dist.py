#!/usr/bin/env python3
"""Assembles a distribution folder: setup.exe, setup.ini, the language libraries
and the Application folder (the payload: the application's executable,
mingwm10.dll, NorSrvSetup.exe and its Images folder).

A packager builds one around their own payload:
    tools/make_dist.py --payload MY_APP_FOLDER --ini MY_SETUP_INI --out OUT [--arch x86]
setup.exe and the language libraries are taken from build/<arch> unless given.
"""

import argparse
import glob
import os
import shutil
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--payload", required=True, help="folder that becomes Application")
    parser.add_argument("--ini", required=True, help="the setup.ini of the product")
    parser.add_argument("--out", required=True, help="distribution folder to (re)make")
    parser.add_argument("--arch", choices=["x86", "x64"], default="x86",
                        help="which build's setup.exe and libraries (default: x86, the product)")
    parser.add_argument("--setup", help="setup.exe to ship (default: build/<arch>/setup.exe)")
    parser.add_argument("--languages", help="folder of setupXXX.dll (default: build/<arch>/lang)")
    options = parser.parse_args()

    build = os.path.join(REPO, "build", options.arch)
    setup = options.setup or os.path.join(build, "setup.exe")
    languages = options.languages or os.path.join(build, "lang")
    for path in (setup, options.ini, options.payload):
        if not os.path.exists(path):
            sys.exit(f"make_dist: {path} does not exist (run 'make dist' first?)")

    shutil.rmtree(options.out, ignore_errors=True)
    os.makedirs(options.out)
    shutil.copyfile(setup, os.path.join(options.out, "setup.exe"))
    shutil.copyfile(options.ini, os.path.join(options.out, "setup.ini"))
    for library in sorted(glob.glob(os.path.join(languages, "setup*.dll"))):
        shutil.copyfile(library, os.path.join(options.out, os.path.basename(library)))
    shutil.copytree(options.payload, os.path.join(options.out, "Application"))
    print(f"make_dist: {options.out}")


if __name__ == "__main__":
    main()
