"""Helpers of the uninstall tests and the demo: a real installation made by
`setup.exe s`, the uninstall run by the test driver from the installation's
Uninstall folder, and read-backs of every trace the product leaves (files,
registry, links, service calls)."""

import os
import shutil
import subprocess
import tempfile
import time

import harness
import installation
from installation import APP_NAME, INSTALL_DIR, PROGRAMS, RUN_KEY, record_standins  # noqa: F401

SCRIPT_NAME = "QvUninst.bat"
UNINSTALL_ROOT = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"

DRIVER = os.path.join(harness.BUILD, "drivers", "uninstall_driver.exe")
DRIVER_NAME = "uninstall_driver.exe"


def install_dir(folder_name="ZTA470"):
    return r"C:\Program Files" + "\\" + folder_name


def service_calls(session):
    """The arguments the service stand-in was started with, in order."""
    return [line.split(" ", 1)[1].strip() for line in installation.standin_lines(session)
            if line.startswith("NorSrvSetup ")]


def install(session, folder_name="ZTA470"):
    """A silent install from a fresh copy of the distribution; returns the
    install folder (Windows path)."""
    dist = harness.copy_distribution(session)
    # UTF-16 with its byte-order mark: the profile reader takes any character
    # from such a file, while other files are read in the ANSI code page.
    with open(session.host_path(dist + "setup.ini"), "w", encoding="utf-16", newline="\r\n") as ini:
        ini.write(installation.sample_ini(APPFolderName=folder_name))
    code = harness.run_for_exit_code(session, f'"{dist}setup.exe" s')
    if code != 0:
        raise AssertionError(f"silent install ended with {code}")
    return install_dir(folder_name)


def place_driver(session, folder):
    """Copies the uninstall driver into a folder (usually {install}\\Uninstall,
    beside the installed setup.exe and setup.ini); returns its Windows path."""
    shutil.copy(DRIVER, session.host_path(folder))
    return folder + "\\" + DRIVER_NAME


def output_of(session, argv, timeout=120):
    """Runs a Windows program to its end and returns its output. The output
    goes to a file, not a pipe: a process it starts (a script, Wine's desktop)
    inherits the output and would keep a pipe open long after."""
    with tempfile.TemporaryFile(mode="w+") as output:
        subprocess.run(["wine"] + list(argv), env=session.env, stdout=output,
                       stderr=subprocess.DEVNULL, timeout=timeout, check=False)
        output.seek(0)
        return output.read()


def run_driver(session, driver_path):
    """Runs the uninstall as the uninstaller would; returns its report,
    e.g. {"uninstall": "ran", "script": "started"}."""
    text = output_of(session, [driver_path])
    report = dict(part.split("=", 1) for part in text.split() if "=" in part)
    if "uninstall" not in report:
        raise AssertionError(f"no report from the driver: {text!r}")
    return report


def uninstall(session, folder="ZTA470"):
    """The uninstall from the installation's own Uninstall folder."""
    return run_driver(session, place_driver(session, install_dir(folder) + r"\Uninstall"))


def script_path(folder_name="ZTA470"):
    return install_dir(folder_name) + "\\" + SCRIPT_NAME


def wait_for_script_end(session, folder_name="ZTA470", timeout=90):
    """Waits until the self-removal script has deleted itself: it leaves the
    install folder for the user's temporary folder and is deleted there last.
    True when it did within the timeout."""
    temp = "C:\\users\\" + installation.windows_user(session) + "\\Temp"
    copies = [session.host_path(script_path(folder_name)), session.host_path(temp + "\\" + SCRIPT_NAME)]
    return bool(harness.wait_for(lambda: not any(os.path.exists(copy) for copy in copies),
                                 timeout=timeout, interval=0.5))


class HeldFile:
    """A process that holds a file the way a running program holds its
    executable: nobody can delete the file until the process ends."""

    def __init__(self, session, path, seconds):
        self.mark = r"C:\held-" + str(time.monotonic_ns())
        self.process = session.start([harness.testkit("holdfile"), path, str(seconds), self.mark])
        mark = session.host_path(self.mark)
        if not harness.wait_for(lambda: os.path.exists(mark), timeout=30):
            self.release()
            raise AssertionError(f"{path} could not be held")
        os.remove(mark)

    def release(self):
        """Ends the holding process and waits until it has gone."""
        self.process.kill()
        self.process.wait(timeout=30)

    def wait(self, timeout):
        self.process.wait(timeout=timeout)


def paths_below(session, folder):
    """The folder and everything in it, as Windows paths; empty when it is missing."""
    root = session.host_path(folder)
    if not os.path.isdir(root):
        return []
    paths = [folder]
    for parent, folders, files in os.walk(root):
        folders.sort()
        relative = os.path.relpath(parent, root)
        prefix = folder if relative == "." else folder + "\\" + relative.replace("/", "\\")
        paths.extend(prefix + "\\" + name for name in sorted(folders + files))
    return paths


def product_traces(session, folder_name="ZTA470", app_name=APP_NAME):
    """Everything of the product that is on the machine now: files and folders
    as Windows paths, registry entries and links."""
    traces = paths_below(session, install_dir(folder_name))
    if harness.reg_query(session, UNINSTALL_ROOT + "\\" + folder_name) is not None:
        traces.append(f"registry {UNINSTALL_ROOT}\\{folder_name}")
    if harness.reg_query(session, RUN_KEY, app_name) is not None:
        traces.append(f"registry {RUN_KEY} value {app_name}")
    desktop_link = installation.desktop_link(session, app_name)
    if os.path.exists(session.host_path(desktop_link)):
        traces.append(desktop_link)
    traces.extend(paths_below(session, installation.group_folder(app_name)))
    return traces


def file_tree(session, skip=("windows",)):
    """Every file and folder below C:\\ as Windows paths, leaving out the
    Windows folder, which Wine itself keeps changing."""
    drive = session.host_path("C:\\")
    tree = set()
    for parent, folders, files in os.walk(drive):
        relative_parent = os.path.relpath(parent, drive)
        if relative_parent == ".":
            folders[:] = [name for name in folders if name.lower() not in skip]
        for name in folders + files:
            tree.add("C:\\" + os.path.normpath(os.path.join(relative_parent, name)).replace("/", "\\"))
    return tree


def registry_tree(session, keys):
    """Every key and value below the given keys, one text each
    ("key" or "key : name REG_TYPE data")."""
    entries = set()
    for key in keys:
        result = session.run(["reg", "query", key, "/s"], timeout=300)
        current = key
        for line in result.stdout.splitlines():
            if not line.strip():
                continue
            if line.startswith("HKEY_"):
                current = line.strip()
                entries.add(current)
            else:
                entries.add(current + " : " + " ".join(line.split()))
    return entries


# The registry an install writes to, with everything around it.
MACHINE_KEYS = (r"HKLM\SOFTWARE", r"HKCU\Software")


def machine_state(session):
    """Files and registry, to compare before an install and after the uninstall."""
    return file_tree(session), registry_tree(session, MACHINE_KEYS)
