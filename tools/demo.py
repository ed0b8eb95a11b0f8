#!/usr/bin/env python3
"""The main job: runs the sample distribution's setup.exe under Wine in a
throwaway prefix (Windows 7), installs silently, and prints an account of what
the install did to the machine: files, registry values, shortcuts read back
through the shell-link interface, and what the stand-ins recorded; then it
runs the uninstall entry's command, clicks through the uninstall wizard and
shows what remains. Then, in a fresh prefix, it clicks through the install
wizard and the uninstall wizard as a user would. A picture of each wizard
phase is saved in build/demo."""

import collections
import os
import sys
import textwrap

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(REPO, "tests", "wine"))
os.environ.setdefault("SETUP_BUILD_DIR", os.path.join(REPO, "build", "x64"))
os.environ.setdefault("SETUP_SOURCE_DIR", REPO)

import harness  # noqa: E402
import installation  # noqa: E402
import screenshots  # noqa: E402
import uninstallation  # noqa: E402

WIZARD_PICTURES = os.path.join(REPO, "build", "demo")


def heading(text):
    print()
    print("== " + text)


def print_distribution(session, dist):
    heading(f"Distribution copied into a fresh Wine prefix (Windows 7): {dist}")
    root = session.host_path(dist)
    images = []
    for folder, _dirs, files in os.walk(root):
        for name in sorted(files):
            relative = os.path.relpath(os.path.join(folder, name), root)
            if relative.startswith(os.path.join("Application", "Images")):
                images.append(name)
            else:
                print("  " + relative.replace("/", "\\"))
    print(f"  Application\\Images\\ ({len(images)} pictures)")


def print_silent_install(exit_code, warnings, dist):
    heading(f'Silent install: "{dist}setup.exe" s')
    print(f"  exit code {exit_code}")
    for text in warnings:
        print(f"  warning box \"Fail\": {text}")
    if not warnings:
        print("  no warning box")


def print_installed_files(session, folder=installation.INSTALL_DIR):
    heading(f"Files installed in {folder}")
    files = installation.installed_files(session, folder)
    images = [name for name in files if name.lower().startswith("images\\")]
    for name in files:
        if name not in images:
            size = os.path.getsize(session.host_path(folder + "\\" + name))
            print(f"  {name:<28} {size:>9} bytes")
    kinds = collections.Counter(os.path.splitext(name)[1].lower() for name in images)
    summary = ", ".join(f"{count} {kind}" for kind, count in sorted(kinds.items()))
    print(f"  Images\\ {len(images)} files ({summary}):")
    names = " ".join(name.split("\\", 1)[1] for name in images)
    print(textwrap.fill(names, width=100, initial_indent="    ", subsequent_indent="    "))


def print_registry_values(session):
    heading("Registry")
    print(f"  {installation.UNINSTALL_KEY}")
    for name, data in (installation.uninstall_entry(session) or {}).items():
        print(f"    {name} = {data}")
    run_values = harness.reg_query(session, installation.RUN_KEY) or {}
    print(f"  {installation.RUN_KEY}")
    if installation.APP_NAME in run_values:
        print(f"    {installation.APP_NAME} = {run_values[installation.APP_NAME]}")
    else:
        print("    (no value for the application: Windows NT 6.x gets the service instead)")
    print(f"  HKCU\\...\\Compatibility Assistant\\Persisted")
    for name, data in installation.compat_marks(session).items():
        print(f"    {name} = {data}")


def print_shortcuts(session):
    heading("Shortcuts, read back through IShellLinkW")
    group = installation.group_folder()
    links = [installation.desktop_link(session)]
    if os.path.isdir(session.host_path(group)):
        links += [group + "\\" + name for name in sorted(os.listdir(session.host_path(group)))]
    for link in links:
        info = installation.link_info(session, link)
        print(f"  {link}")
        if info is None:
            print("    (missing)")
        else:
            print(f"    target    {info['target']}")
            print(f"    arguments {info['arguments'] or '(none)'}")


def print_standin_record(session):
    heading(f"What the stand-ins recorded ({installation.STANDIN_LOG})")
    lines = installation.standin_lines(session)
    for line in lines:
        print("  " + line)
    if not lines:
        print("  (nothing)")


def kind_of_change(entry):
    """Which of the expected kinds of change an entry is, or None: the
    demo's own files, Wine's own settings, and the compatibility marks, which
    the uninstall leaves on purpose."""
    lowered = entry.lower()
    if entry == installation.STANDIN_LOG or lowered.startswith(r"c:\failwatch."):
        return "the demo's own records (stand-in log, warning-box watcher)"
    if r"\appcompatflags" in lowered:
        return ("compatibility marks, written for setup.exe at start and for the installed application;"
                " the uninstall removes no marks")
    if "\\software\\wine\\" in lowered:
        return "Wine's own settings"
    return None


def uninstall_and_show_what_remains(session, before):
    """Uninstalls as an administrator would: the uninstall entry's command,
    the uninstall wizard clicked through to its end. Then lets the
    self-removal script run and prints what is left of the product and what
    else differs from the machine before the install."""
    folder = installation.INSTALL_DIR
    command = harness.reg_query(session, installation.UNINSTALL_KEY, "UninstallString")
    heading(f"Uninstall: the uninstall entry's command {command}, its wizard clicked through")
    log_lines = len(installation.standin_lines(session))
    # The uninstaller's executable stays held a while after the wizard has
    # gone, as while an uninstaller ends: the script waits for it, and what it
    # is left to remove can be shown.
    held = uninstallation.HeldFile(session, folder + r"\Uninstall\setup.exe", 180)
    try:
        code, _finished = screenshots.run_wizard(session, command, WIZARD_PICTURES, "uninstall-after-silent",
                                                 lambda line: print("  " + line))
        print(f"  uninstall wizard ended with exit code {code}")
        for line in installation.standin_lines(session)[log_lines:]:
            print(f"  stand-in recorded: {line}")

        heading("Left for the self-removal script right after the uninstaller ended")
        for trace in uninstallation.product_traces(session):
            if not trace.startswith(folder + "\\Uninstall\\"):
                print("  " + trace)
        print(f"  {folder}\\Uninstall\\ holds: "
              + ", ".join(sorted(os.listdir(session.host_path(folder + r"\Uninstall")))))

        script = session.host_path(uninstallation.script_path())
        heading(f"{uninstallation.script_path()} as written (the uninstaller's executable still held)")
        if os.path.exists(script):
            with open(script, "rb") as text:
                for line in text.read().decode("cp437").splitlines():
                    print("  " + line)
    finally:
        held.release()
    ended = uninstallation.wait_for_script_end(session, timeout=90)
    print(f"  the script {'ran to its end and deleted itself' if ended else 'did not end within 90 s'}")

    heading("What remains of the product (files, registry, links)")
    traces = uninstallation.product_traces(session)
    for trace in traces:
        print("  " + trace)
    if not traces:
        print("  nothing")

    heading("The machine compared with before the install (files below C:\\ outside Windows, HKLM\\SOFTWARE, HKCU\\Software)")
    files_before, registry_before = before
    files_after, registry_after = uninstallation.machine_state(session)
    changes = [("added", entry) for entry in sorted(files_after - files_before)]
    changes += [("gone", entry) for entry in sorted(files_before - files_after)]
    changes += [("added", entry) for entry in sorted(registry_after - registry_before)]
    changes += [("gone", entry) for entry in sorted(registry_before - registry_after)]
    kinds = collections.OrderedDict()
    for change, entry in changes:
        kinds.setdefault(kind_of_change(entry), []).append(f"{change:<5} {entry}")
    unexplained = kinds.pop(None, [])
    print("  of the product or anything else: " + ("nothing" if not unexplained else ""))
    for line in unexplained:
        print("    " + line)
    for kind, lines in kinds.items():
        print(f"  {kind}:")
        for line in lines:
            print("    " + line)


def main():
    with harness.WineSession(display=True) as session:
        installation.record_standins(session)
        dist = harness.copy_distribution(session)
        print_distribution(session, dist)
        before = uninstallation.machine_state(session)
        exit_code, warnings = installation.silent_install(session, dist)
        print_silent_install(exit_code, warnings, dist)
        print_installed_files(session)
        print_registry_values(session)
        print_shortcuts(session)
        print_standin_record(session)
        uninstall_and_show_what_remains(session, before)

    # The wizards on a display and in a prefix of their own, clicked through
    # as a user would.
    with harness.WineSession(display=True) as session:
        installation.record_standins(session)
        dist = harness.copy_distribution(session)
        heading(f'Install wizard "{dist}setup.exe", then the uninstall wizard from the uninstall entry')
        screenshots.tour(session, dist, WIZARD_PICTURES, "demo", lambda line: print("  " + line), launch=True)
        print_standin_record(session)
    return 0


if __name__ == "__main__":
    sys.exit(main())
