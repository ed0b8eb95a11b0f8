#!/usr/bin/env python3
"""Renders what a user sees of the wizard: the ready, running and finished
phases of the install and of the uninstall wizard, in English and in
Traditional Chinese, as PNG files (build/screenshots unless --out is given).

Each language runs in a Wine prefix and on an Xvfb display of its own; the
wizards are driven with real mouse clicks, as a user would: install, then the
uninstall entry's command, each to its end."""

import argparse
import os
import subprocess
import sys
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(REPO, "tests", "wine"))
os.environ.setdefault("SETUP_BUILD_DIR", os.path.join(REPO, "build", "x64"))
os.environ.setdefault("SETUP_SOURCE_DIR", REPO)

import harness  # noqa: E402
import installation  # noqa: E402
import wizard  # noqa: E402

LANGUAGES = (("en", "en_US.UTF-8"), ("zh_TW", "zh_TW.UTF-8"))

# The running phase is caught while the bar is on its way.
RUNNING_FROM = 5


def _shoot(session, view, path, say):
    wizard.save_screenshot(session, path, view)
    say(f"{os.path.relpath(path, REPO)}: {view.phase_view()[0]!r} / {view.phase_view()[1]!r}")


def run_wizard(session, command_line, out_dir, name, say, leave_with=wizard.FINISH):
    """Runs one wizard from its ready phase to its end with real clicks and
    saves a picture of each phase as out_dir/name-<phase>.png. Returns the
    exit code and the finished view."""
    run = wizard.Wizard(session, command_line)
    try:
        ready = wizard.snapshot(session)
        if ready is None:
            raise RuntimeError(f"no wizard window for {command_line}")
        # The pointer rests away from the buttons, so no hover face shows.
        wizard.xdotool(session, "mousemove", 5, 5)
        time.sleep(0.5)
        _shoot(session, ready, os.path.join(out_dir, f"{name}-ready.png"), say)

        running_wait = wizard.RunningWait(session, RUNNING_FROM)
        wizard.click_control(session, ready, wizard.ACTION)
        wizard.xdotool(session, "mousemove", 5, 5)
        running = running_wait.snapshot()
        if running is not None:
            _shoot(session, running, os.path.join(out_dir, f"{name}-running.png"), say)
        else:
            say(f"({name}: the work ended before the running phase could be caught)")

        finished = wizard.wait_snapshot(session, lambda v: v[wizard.FINISH].visible, timeout=120)
        time.sleep(0.5)
        finished = wizard.snapshot(session)
        _shoot(session, finished, os.path.join(out_dir, f"{name}-finished.png"), say)
        wizard.click_control(session, finished, leave_with)
        return run.exit_code(), finished
    finally:
        run.end()


def tour(session, dist, out_dir, suffix, say, launch=False):
    """The install wizard, then the uninstall wizard started as the uninstall
    entry says, each to its end; pictures named install-*-<suffix>.png and
    uninstall-*-<suffix>.png. The install wizard is left with Finish when
    launch is set (the application starts), else with the close button.
    Tells what happened through say, as it happens."""
    os.makedirs(out_dir, exist_ok=True)
    # The application runs already, as when a user updates it: the install
    # closes it first, which keeps the running phase on the screen a while.
    session.start([dist + r"Application\RIDoreDizor.exe"])
    harness.wait_for(lambda: subprocess.run(
        ["xdotool", "search", "--classname", "RIDoreDizor.exe"], env=session.env,
        capture_output=True, text=True).stdout.strip(), timeout=30)
    code, _finished = run_wizard(session, f'"{dist}setup.exe"', out_dir, f"install-{suffix}", say,
                                 leave_with=wizard.FINISH if launch else wizard.CLOSE)
    say(f"install wizard ended with exit code {code}"
                  + (" through Finish, launch box ticked" if launch else " through the close button"))
    files = installation.installed_files(session)
    say(f"{installation.INSTALL_DIR} holds {len(files)} files, "
                  f"uninstall entry {'written' if installation.uninstall_entry(session) else 'missing'}")
    command = harness.reg_query(session, installation.UNINSTALL_KEY, "UninstallString")
    say(f"uninstall entry: UninstallString = {command}")
    code, _finished = run_wizard(session, command, out_dir, f"uninstall-{suffix}", say)
    say(f"uninstall wizard ended with exit code {code}; uninstall entry "
                  + ("still there" if installation.uninstall_entry(session) else "removed"))
    gone = harness.wait_for(
        lambda: not os.path.exists(session.host_path(installation.INSTALL_DIR + r"\Uninstall")), timeout=60)
    say("the Uninstall folder " + ("was removed after the uninstaller ended" if gone else "is still there"))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", default=os.path.join(REPO, "build", "screenshots"))
    options = parser.parse_args()
    for suffix, locale in LANGUAGES:
        print(f"== {suffix} ({locale})")
        with harness.WineSession(display=True, locale=locale) as session:
            dist = harness.copy_distribution(session)
            tour(session, dist, options.out, suffix, lambda line: print("  " + line))
    return 0


if __name__ == "__main__":
    sys.exit(main())
