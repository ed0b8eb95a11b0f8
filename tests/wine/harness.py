"""Helpers of the whole-program tests: a Wine session with the distribution in
it, setup.exe runs with their full exit codes, registry and file read-backs."""

import os
import re
import shutil
import subprocess
import sys
import time

BUILD = os.environ.get("SETUP_BUILD_DIR") or os.path.join(
    os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "build", "x64")
SOURCE = os.environ.get("SETUP_SOURCE_DIR") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(SOURCE, "tools"))

from winerun import WineSession  # noqa: E402

DIST = os.path.join(BUILD, "dist")
TESTKIT = os.path.join(BUILD, "testkit")


def testkit(name):
    """Windows path of a test probe program."""
    return WineSession.windows_path(os.path.join(TESTKIT, name + ".exe"))


def copy_distribution(session, folder=r"C:\dist", ini_text=None, omit=()):
    """Copies the sample distribution into the prefix; returns its folder with a
    final backslash. ini_text replaces setup.ini; omit names files to leave out
    (paths relative to the distribution folder, with forward slashes)."""
    target = session.host_path(folder)
    shutil.rmtree(target, ignore_errors=True)
    shutil.copytree(DIST, target)
    for relative in omit:
        os.remove(os.path.join(target, relative))
    if ini_text is not None:
        with open(os.path.join(target, "setup.ini"), "w", encoding="utf-8") as ini:
            ini.write(ini_text)
    return folder.rstrip("\\") + "\\"


def run_for_exit_code(session, command_line, timeout=180):
    """Runs a Windows command line to its end; returns its full exit code."""
    result = session.run([testkit("runwait")] + [command_line], timeout=timeout)
    match = re.search(r"exit=(\d+)", result.stdout)
    if not match:
        raise AssertionError(f"no exit code from {command_line!r}: {result.stdout!r} {result.stderr!r}")
    return int(match.group(1))


def reg_query(session, key, value=None):
    """Values of a registry key as {name: data}; None when the key is missing.
    With value, only that value's data, or None when it is missing."""
    result = session.run(["reg", "query", key], timeout=60)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        match = re.match(r"^\s{4}(.*?)\s{4}(REG_\w+)\s{4}(.*)$", line)
        if match:
            values[match.group(1)] = match.group(3)
        else:
            match = re.match(r"^\s{4}(.*?)\s{4}(REG_\w+)$", line)
            if match:
                values[match.group(1)] = ""
    if value is None:
        return values
    return values.get(value)


def wait_for(predicate, timeout=30, interval=0.2):
    """Polls until predicate() is true; returns its last value."""
    deadline = time.time() + timeout
    value = predicate()
    while not value and time.time() < deadline:
        time.sleep(interval)
        value = predicate()
    return value
