#!/usr/bin/env python3
"""Runs Windows programs under 64-bit Wine, isolated, for the tests and the demo.

Every run gets a Wine prefix of its own, copied from a ready template (one per
Windows version), a private HOME beside it, and, when asked, an Xvfb display of
its own. Nothing touches ~/.wine or a shared display, and everything started is
ended again when the session closes.

As a command (also the cross-compiling emulator of ctest):
    winerun.py [--winver win7|xp64] [--display] [--locale L] [--keep DIR] PROGRAM [ARGS...]
    winerun.py --rebuild-templates
As a module: WineSession(...) used as a context manager.
"""

import argparse
import fcntl
import os
import shutil
import subprocess
import sys
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEMPLATES = os.environ.get("WINERUN_TEMPLATES", os.path.join(REPO, "build", "wine-templates"))

# The version string Wine reports to programs: win7 tells NT 6.1, winxp64 tells 5.2.
WINDOWS_VERSIONS = {"win7": "win7", "xp64": "winxp64"}

QUIET_ENV = {
    "WINEDEBUG": "-all",
    "WINEARCH": "win64",
    # No Mono, no Gecko, no menu entries written into the Linux desktop.
    "WINEDLLOVERRIDES": "mscoree,mshtml,winemenubuilder.exe=d",
}


def _base_env(prefix, home, display=None, locale=None):
    env = dict(os.environ)
    for name in list(env):
        if name.startswith("WINE") or name.startswith("LC_"):
            del env[name]
    env.update(QUIET_ENV)
    env["WINEPREFIX"] = prefix
    env["HOME"] = home
    env.pop("DISPLAY", None)
    if display:
        env["DISPLAY"] = display
    locale = locale or "C.UTF-8"
    env["LANG"] = locale
    env["LC_ALL"] = locale
    return env


def _wait_server(env):
    subprocess.run(["wineserver", "-w"], env=env, check=False)


def _make_folders_real(prefix):
    """A new prefix links Desktop, Documents and the like to $HOME; a copied prefix
    must hold its own folders or runs would leak into each other."""
    users = os.path.join(prefix, "drive_c", "users")
    for user in os.listdir(users):
        user_dir = os.path.join(users, user)
        for name in os.listdir(user_dir):
            path = os.path.join(user_dir, name)
            if os.path.islink(path):
                os.unlink(path)
                os.makedirs(path)


def _build_template(winver):
    root = os.path.join(TEMPLATES, winver)
    shutil.rmtree(root, ignore_errors=True)
    prefix, home = os.path.join(root, "prefix"), os.path.join(root, "home")
    os.makedirs(home)
    env = _base_env(prefix, home)
    subprocess.run(["wine", "wineboot", "-i"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _wait_server(env)
    subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine", "/v", "Version",
                    "/d", WINDOWS_VERSIONS[winver], "/f"], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-k"], env=env, check=False)
    _wait_server(env)
    _make_folders_real(prefix)
    open(os.path.join(root, "ready"), "w").close()


def ensure_template(winver, rebuild=False):
    """Builds the template of a Windows version once; later calls reuse it."""
    os.makedirs(TEMPLATES, exist_ok=True)
    with open(os.path.join(TEMPLATES, ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        ready = os.path.join(TEMPLATES, winver, "ready")
        if rebuild or not os.path.exists(ready):
            try:
                _build_template(winver)
            except subprocess.CalledProcessError:
                # A first boot of Wine on a busy machine now and then fails
                # outright; one more boot from scratch before giving up.
                _build_template(winver)
    return os.path.join(TEMPLATES, winver, "prefix")


class Xvfb:
    """An X display of our own; the server picks a free number itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()


class WineSession:
    """One isolated Wine prefix (and optionally one display) for the life of a `with`."""

    def __init__(self, winver="win7", display=False, locale=None, keep=None):
        self.winver = winver
        self.root = keep or tempfile.mkdtemp(prefix="winerun-")
        self.kept = keep is not None
        self.prefix = os.path.join(self.root, "prefix")
        self.home = os.path.join(self.root, "home")
        if not os.path.isdir(self.prefix):
            template = ensure_template(winver)
            os.makedirs(self.root, exist_ok=True)
            subprocess.run(["cp", "-a", template, self.prefix], check=True)
            os.makedirs(self.home, exist_ok=True)
        self.xvfb = Xvfb() if display else None
        self.env = _base_env(self.prefix, self.home,
                             self.xvfb.name if self.xvfb else None, locale)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _wait_server(self.env)
        if self.xvfb:
            self.xvfb.close()
            self.xvfb = None
        if not self.kept:
            shutil.rmtree(self.root, ignore_errors=True)

    # Running programs

    def run(self, argv, timeout=120, **kwargs):
        """Runs a program to its end; its output is captured as text.

        The output goes through files, not pipes: Wine services that a program
        starts (rpcss for COM) inherit its output handles and outlive it, so a
        pipe would not close when the program ends."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.run(["wine"] + list(argv), env=self.env, timeout=timeout,
                                     stdout=out, stderr=err, **kwargs)
            out.seek(0)
            err.seek(0)
            process.stdout = out.read().decode("utf-8", errors="replace")
            process.stderr = err.read().decode("utf-8", errors="replace")
        return process

    def start(self, argv, **kwargs):
        """Starts a program and returns at once with its Popen."""
        return subprocess.Popen(["wine"] + list(argv), env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)

    def wait_idle(self, timeout=60):
        """Waits until every Windows process of this prefix has ended."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            probe = subprocess.run(["wineserver", "-w"], env=self.env, timeout=timeout)
            if probe.returncode == 0:
                return True
        return False

    # Paths

    def host_path(self, windows_path):
        """C:\\x\\y -> <prefix>/drive_c/x/y; Z:\\... -> /..."""
        drive, rest = windows_path[0].lower(), windows_path[3:].replace("\\", "/")
        if drive == "z":
            return "/" + rest
        return os.path.join(self.prefix, "drive_" + drive, rest)

    @staticmethod
    def windows_path(host_path):
        """A host path as Wine's Z: drive shows it."""
        return "Z:" + os.path.abspath(host_path).replace("/", "\\")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--winver", choices=sorted(WINDOWS_VERSIONS), default="win7")
    parser.add_argument("--display", action="store_true", help="give the run an Xvfb display")
    parser.add_argument("--locale", help="process locale, e.g. de_DE.UTF-8")
    parser.add_argument("--keep", metavar="DIR", help="use and keep this session folder")
    parser.add_argument("--rebuild-templates", action="store_true")
    parser.add_argument("program", nargs="?")
    parser.add_argument("args", nargs=argparse.REMAINDER)
    options = parser.parse_args()

    if options.rebuild_templates:
        for winver in WINDOWS_VERSIONS:
            ensure_template(winver, rebuild=True)
        if not options.program:
            return 0
    if not options.program:
        parser.error("no program given")

    with WineSession(options.winver, options.display, options.locale, options.keep) as session:
        process = subprocess.run(["wine", options.program] + options.args, env=session.env)
        return process.returncode


if __name__ == "__main__":
    sys.exit(main())
