#!/usr/bin/env python3
"""The main job: runs the sample distribution's setup.exe under Wine in a
throwaway prefix (Windows 7), installs silently, and prints an account of what
the install did to the machine: files, registry values, shortcuts read back
through the shell-link interface, and what the stand-ins recorded."""

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


def main():
    with harness.WineSession(display=True) as session:
        installation.record_standins(session)
        dist = harness.copy_distribution(session)
        print_distribution(session, dist)
        exit_code, warnings = installation.silent_install(session, dist)
        print_silent_install(exit_code, warnings, dist)
        print_installed_files(session)
        print_registry_values(session)
        print_shortcuts(session)
        print_standin_record(session)
    return 0


if __name__ == "__main__":
    sys.exit(main())
