"""Helpers of the install tests and the demo: silent installs, the warning
boxes they show, and read-backs of what an install left on the machine (files,
registry values, shell links, what the stand-ins recorded)."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

INSTALL_DIR = r"C:\Program Files\ZTA470"
APP_NAME = "Quorvel HW RAID Manager"
UNINSTALL_KEY = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\ZTA470"
RUN_KEY = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
COMPAT_KEY = (r"HKCU\SOFTWARE\Microsoft\Windows NT\CurrentVersion\AppCompatFlags"
              r"\Compatibility Assistant\Persisted")
DESKTOP = r"C:\users\{user}\Desktop"
PROGRAMS = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs"
STANDIN_LOG = r"C:\standin.log"
SAMPLE_INI = os.path.join(harness.SOURCE, "res", "sample", "setup.ini")


def sample_ini(**changes):
    """The sample setup.ini with some keys set to other values (None drops the key)."""
    with open(SAMPLE_INI, encoding="utf-8") as ini:
        lines = ini.read().splitlines()
    result = []
    for line in lines:
        key = line.split("=", 1)[0].strip()
        if "=" in line and key in changes:
            value = changes.pop(key)
            if value is not None:
                result.append(f"{key}={value}")
        else:
            result.append(line)
    if changes:
        raise KeyError(f"not in the sample setup.ini: {sorted(changes)}")
    return "\r\n".join(result) + "\r\n"


def record_standins(session, log=STANDIN_LOG):
    """Makes every program started in the session (the stand-ins among them)
    record into one log; the Windows environment follows the Linux one."""
    session.env["STANDIN_LOG"] = log


def plant_stray_program(session):
    """Puts a recording program at C:\\Program.exe, where Windows would find it
    first for an unquoted command line "C:\\Program Files\\...". If it ever
    runs, the stand-in log shows a line ending in the rest of such a path."""
    shutil.copyfile(os.path.join(harness.BUILD, "standins", "service_setup.exe"),
                    session.host_path(r"C:\Program.exe"))


def standin_lines(session, log=STANDIN_LOG):
    path = session.host_path(log)
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8", errors="replace") as lines:
        return [line.rstrip("\r\n") for line in lines]


def clear_standin_log(session, log=STANDIN_LOG):
    path = session.host_path(log)
    if os.path.exists(path):
        os.remove(path)


class FailBoxWatch:
    """Records and dismisses every warning box captioned "Fail" while it runs.
    boxes() gives one dict per box: owner ("none"), icon ("warning"), buttons
    ("OK") and text."""

    def __init__(self, session, name="failwatch"):
        self.session = session
        self.log = rf"C:\{name}.log"
        self.stop_file = rf"C:\{name}.stop"
        for path in (self.log, self.stop_file):
            if os.path.exists(session.host_path(path)):
                os.remove(session.host_path(path))
        self.process = session.start([harness.testkit("failwatch"), self.log, self.stop_file])

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def stop(self):
        if self.process is None:
            return
        open(self.session.host_path(self.stop_file), "w").close()
        try:
            self.process.wait(timeout=30)
        except Exception:
            self.process.kill()
        self.process = None

    def boxes(self):
        path = self.session.host_path(self.log)
        if not os.path.exists(path):
            return []
        result = []
        with open(path, encoding="utf-8") as log:
            for line in log:
                owner, icon, buttons, text = line.rstrip("\n").split("\t", 3)
                result.append({"owner": owner.split("=", 1)[1], "icon": icon.split("=", 1)[1],
                               "buttons": buttons.split("=", 1)[1], "text": text.replace("\\n", "\n")})
        return result

    def texts(self):
        return [box["text"] for box in self.boxes()]


def silent_install(session, dist, timeout=180):
    """Runs "{dist}setup.exe" s to its end; returns the exit code and the texts
    of the warning boxes it showed (dismissed as they came)."""
    with FailBoxWatch(session) as watch:
        # A box is recorded before it is dismissed, and the setup cannot end
        # before that: when it has ended, the log is complete.
        code = harness.run_for_exit_code(session, f'"{dist}setup.exe" s', timeout=timeout)
    return code, watch.texts()


def link_info(session, windows_path):
    """Target and arguments of a shell link, read through the shell-link
    object: {"target": ..., "arguments": ...}, or None when it does not load."""
    if not os.path.exists(session.host_path(windows_path)):
        return None
    result = session.run([harness.testkit("lnkinfo"), windows_path], timeout=60)
    if result.returncode != 0:
        return None
    fields = {}
    for line in result.stdout.splitlines():
        name, _, value = line.partition("=")
        if name in ("target", "arguments"):
            fields[name] = value
    return fields


def windows_user(session):
    users = os.path.join(session.prefix, "drive_c", "users")
    return next(name for name in sorted(os.listdir(users)) if name != "Public")


def desktop_link(session, app_name=APP_NAME):
    return DESKTOP.format(user=windows_user(session)) + "\\" + app_name + ".lnk"


def group_folder(app_name=APP_NAME):
    return PROGRAMS + "\\" + app_name


def installed_files(session, folder=INSTALL_DIR):
    """Every file below a Windows folder, as relative paths with backslashes, sorted."""
    root = session.host_path(folder)
    found = []
    for directory, _dirs, files in os.walk(root):
        for name in files:
            relative = os.path.relpath(os.path.join(directory, name), root)
            found.append(relative.replace("/", "\\"))
    return sorted(found, key=str.lower)


def uninstall_entry(session, key=UNINSTALL_KEY):
    return harness.reg_query(session, key)


def compat_marks(session):
    return harness.reg_query(session, COMPAT_KEY) or {}


def image_rows():
    """The rows of the setup's image table ("Images\\name"), in table order."""
    sys.path.insert(0, os.path.join(harness.SOURCE, "tools"))
    import make_sample_payload
    return make_sample_payload.image_names()


def wait_for_line(session, pattern, count=1, timeout=30):
    """Waits until the stand-in log holds count lines matching pattern."""
    regex = re.compile(pattern)
    return harness.wait_for(
        lambda: sum(1 for line in standin_lines(session) if regex.search(line)) >= count, timeout)
