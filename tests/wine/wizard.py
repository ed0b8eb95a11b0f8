"""Helpers of the wizard tests: start setup.exe with a window, read what the
wizard shows through the wizardprobe test probe, drive it with real mouse
clicks (xdotool) on the test's own display and grab the screen."""

import os
import re
import subprocess
import tempfile
import time

import harness

# Control ids of the wizard window.
ACTION, FINISH, CANCEL, HEADING, BODY, PROGRESS, CLOSE, TITLE, LAUNCH = (
    1000, 1, 2, 1001, 1002, 1003, 1004, 1005, 1008)

# The shipped skin and the test display (1024 x 768): the wizard opens centred.
SKIN_WIDTH, SKIN_HEIGHT = 584, 411
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
CENTRED_X = SCREEN_WIDTH // 2 - SKIN_WIDTH // 2
CENTRED_Y = SCREEN_HEIGHT // 2 - SKIN_HEIGHT // 2

WM_COMMAND = 0x0111
WM_TIMER = 0x0113
WM_SETUP_PROGRESS = 0x0464

UNINSTALL_KEY = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\ZTA470"
INSTALL_DIR = r"C:\Program Files\ZTA470"

_CHILD = re.compile(r"child id=(-?\d+) class=(\S+) visible=(\d) enabled=(\d) x=(-?\d+) y=(-?\d+) "
                    r"w=(\d+) h=(\d+) style=0x([0-9A-F]+)(?: pos=(\d+))? text=(.*)$")
_WIZARD = re.compile(r"wizard x=(-?\d+) y=(-?\d+) w=(\d+) h=(\d+) visible=(\d) region=(\w+) title=(.*)$")


class Control:
    def __init__(self, match):
        self.id = int(match.group(1))
        self.cls = match.group(2)
        self.visible = match.group(3) == "1"
        self.enabled = match.group(4) == "1"
        self.x, self.y, self.w, self.h = (int(match.group(i)) for i in range(5, 9))
        self.style = int(match.group(9), 16)
        self.pos = int(match.group(10)) if match.group(10) is not None else None
        self.text = match.group(11).replace("\\n", "\n").replace("\\r", "\r")

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2


class Snapshot:
    """The wizard window and its controls at one moment."""

    def __init__(self, lines):
        self.controls = {}
        self.window = None
        for line in lines:
            match = _WIZARD.match(line)
            if match:
                self.x, self.y, self.w, self.h = (int(match.group(i)) for i in range(1, 5))
                self.visible = match.group(5) == "1"
                self.region = match.group(6)
                self.title = match.group(7)
                self.window = True
                continue
            match = _CHILD.match(line)
            if match:
                control = Control(match)
                self.controls[control.id] = control

    def __getitem__(self, control_id):
        return self.controls[control_id]

    def phase_view(self):
        """What a user tells the phases by: texts and which buttons are there."""
        return (self[HEADING].text, self[BODY].text, self[ACTION].visible, self[ACTION].enabled,
                self[FINISH].visible, self[CANCEL].enabled, self[CLOSE].enabled,
                self[PROGRESS].visible, self[LAUNCH].visible)


def probe(session, *args, timeout=60):
    return session.run([harness.testkit("wizardprobe")] + [str(a) for a in args], timeout=timeout)


def wait_for_setup_window(session, timeout=60):
    """Waits until setup.exe shows a window, looking from the X side: a probe
    started while setup.exe itself is starting can stall for many seconds."""
    return harness.wait_for(lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--classname", "setup.exe"], env=session.env,
        capture_output=True, text=True).stdout.strip(), timeout=timeout)


def snapshot(session, wait_seconds=30):
    """The wizard as it is now (waits for it to appear); None when there is none."""
    wait_for_setup_window(session, wait_seconds)
    result = probe(session, "dump", wait_seconds, timeout=wait_seconds + 60)
    view = Snapshot(result.stdout.splitlines())
    return view if view.window else None


class RunningWait:
    """A probe waiting, from before the press of the action button, for the
    running phase with the bar at minimum or beyond: the work can be too short
    for a probe started after the press."""

    def __init__(self, session, minimum, timeout=60):
        self.timeout = timeout
        self.process = subprocess.Popen(
            ["wine", harness.testkit("wizardprobe"), "running", str(minimum), str(timeout)], env=session.env,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, errors="replace")
        # The probe says when it watches; only then may the button be pressed.
        self.first_line = self.process.stdout.readline()

    def snapshot(self):
        """The wizard at that moment, or None when the work ended first."""
        output, _ = self.process.communicate(timeout=self.timeout + 60)
        view = Snapshot(output.splitlines())
        return view if self.process.returncode == 0 and view.window else None


def post(session, message, wparam, lparam, count=1):
    result = probe(session, "post", hex(message), hex(wparam), hex(lparam), count)
    if result.returncode != 0:
        raise AssertionError(f"posting {message:#x} failed: {result.stdout!r}")


def language_strings(session, library):
    """{id: text} of a language library (a Windows path)."""
    result = probe(session, "strings", library)
    strings = {}
    for line in result.stdout.splitlines():
        match = re.match(r"string (\d+)=(.*)$", line)
        if match:
            strings[int(match.group(1))] = match.group(2).replace("\\n", "\n").replace("\\r", "\r")
    if len(strings) != 20:
        raise AssertionError(f"no strings from {library}: {result.stdout!r} {result.stderr!r}")
    return strings


class Watch:
    """Samples the wizard every 100 ms in the background until Finish shows."""

    def __init__(self, session, timeout=120):
        self.process = subprocess.Popen(
            ["wine", harness.testkit("wizardprobe"), "watch", str(timeout)], env=session.env,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, errors="replace")
        self.timeout = timeout
        # The first sample's line tells that the watch has begun.
        self.first_line = self.process.stdout.readline()

    def samples(self):
        output, _ = self.process.communicate(timeout=self.timeout + 60)
        output = self.first_line + output
        result = []
        for block in output.split("sample t=")[1:]:
            lines = block.splitlines()
            view = Snapshot(lines[1:])
            if view.window:
                view.t = int(lines[0])
                result.append(view)
        return result


class Wizard:
    """A setup.exe run with its wizard window: started through runwait so that
    its full exit code can be read when it ends. The output goes to a file: a
    pipe would stay open as long as the Wine services the run started."""

    def __init__(self, session, command_line):
        self.session = session
        self.output = tempfile.TemporaryFile(mode="w+")
        self.process = subprocess.Popen(
            ["wine", harness.testkit("runwait"), command_line], env=session.env,
            stdout=self.output, stderr=subprocess.DEVNULL)

    def end(self):
        """Ends a run a failed test left open, with everything else in its prefix."""
        if self.process.poll() is None:
            subprocess.run(["wineserver", "-k"], env=self.session.env, check=False)
            self.process.wait(timeout=60)
        if not self.output.closed:
            self.output.close()

    def exit_code(self, timeout=120):
        self.process.wait(timeout=timeout)
        self.output.seek(0)
        text = self.output.read()
        self.output.close()
        match = re.search(r"exit=(\d+)", text)
        if not match:
            raise AssertionError(f"no exit code: {text!r}")
        return int(match.group(1))


def xdotool(session, *args):
    env = dict(session.env)
    subprocess.run(["xdotool"] + [str(a) for a in args], env=env, check=True, timeout=30)


def click(session, x, y, repeat=1):
    """A real left click at a screen point: the pointer moves there first."""
    xdotool(session, "mousemove", x, y)
    time.sleep(0.2)  # the hover face comes first, as under a user's hand
    if repeat > 1:
        xdotool(session, "click", "--repeat", repeat, "--delay", 30, 1)
    else:
        xdotool(session, "click", 1)


def click_control(session, view, control_id, repeat=1):
    x, y = view[control_id].centre()
    click(session, x, y, repeat)


def drag(session, start, end):
    xdotool(session, "mousemove", *start)
    time.sleep(0.2)
    xdotool(session, "mousedown", 1)
    time.sleep(0.2)
    steps = 5
    for i in range(1, steps + 1):
        xdotool(session, "mousemove", start[0] + (end[0] - start[0]) * i // steps,
                start[1] + (end[1] - start[1]) * i // steps)
        time.sleep(0.1)
    xdotool(session, "mouseup", 1)
    time.sleep(0.3)


class Screen:
    """A grab of the whole display (ImageMagick's import), pixel by pixel."""

    def __init__(self, session):
        data = subprocess.run(["import", "-display", session.env["DISPLAY"], "-window", "root", "-depth", "8",
                               "ppm:-"],
                              capture_output=True, check=True, timeout=60).stdout
        header = []
        offset = 0
        while len(header) < 4:
            while data[offset:offset + 1].isspace():
                offset += 1
            end = offset
            while not data[end:end + 1].isspace():
                end += 1
            header.append(data[offset:end])
            offset = end
        offset += 1
        if header[0] != b"P6" or header[3] != b"255":
            raise AssertionError(f"unexpected grab {header!r}")
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = data[offset:]

    def pixel(self, x, y):
        index = (y * self.width + x) * 3
        return tuple(self.pixels[index:index + 3])

    def area(self, x, y, w, h):
        return [self.pixels[((y + row) * self.width + x) * 3:((y + row) * self.width + x + w) * 3]
                for row in range(h)]


def save_screenshot(session, path, view=None):
    """Saves the display, or only the wizard window when a snapshot is given, as PNG."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    command = ["import", "-display", session.env["DISPLAY"], "-window", "root"]
    if view is not None:
        command += ["-crop", f"{view.w}x{view.h}+{view.x}+{view.y}", "+repage"]
    subprocess.run(command + [path], check=True, timeout=60)


def wait_snapshot(session, predicate, timeout=60):
    """Polls the wizard until predicate(snapshot) holds; returns that snapshot."""
    deadline = time.time() + timeout
    while True:
        view = snapshot(session, wait_seconds=5)
        if view is not None and predicate(view):
            return view
        if time.time() > deadline:
            raise AssertionError("the wizard did not reach the expected state")
        time.sleep(0.3)


def run_work(session, view, repeat=1, timeout=120):
    """Presses the action button with real clicks and follows the wizard until
    Finish shows. Returns the samples taken meanwhile and the finished view."""
    watch = Watch(session, timeout)
    click_control(session, view, ACTION, repeat)
    samples = watch.samples()
    # The last texts are set a moment after Finish shows.
    time.sleep(0.5)
    return samples, wait_snapshot(session, lambda v: v[FINISH].visible)


def area_of(screen, control):
    return screen.area(control.x, control.y, control.w, control.h)
