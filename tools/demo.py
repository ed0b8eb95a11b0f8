#!/usr/bin/env python3
"""The main job: runs the sample distribution's setup.exe under Wine in a
throwaway prefix and prints an account of what happened on the machine."""

import os
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(REPO, "tests", "wine"))
os.environ.setdefault("SETUP_BUILD_DIR", os.path.join(REPO, "build", "x64"))
os.environ.setdefault("SETUP_SOURCE_DIR", REPO)

import harness  # noqa: E402


def heading(text):
    print()
    print("== " + text)


def main():
    with harness.WineSession(display=True) as session:
        heading("Distribution copied into a fresh Wine prefix (Windows 7)")
        dist = harness.copy_distribution(session)
        for root, _dirs, files in os.walk(session.host_path(dist)):
            for name in sorted(files):
                print("  " + os.path.relpath(os.path.join(root, name), session.host_path(dist)))

        heading(f'Silent install: "{dist}setup.exe" s')
        code = harness.run_for_exit_code(session, f'"{dist}setup.exe" s')
        print(f"  exit code {code}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
