#!/usr/bin/env python3
"""Assembles the sample payload (the distribution's Application folder) from the
stand-ins: the managed application, its runtime DLL and the service setup program."""

import argparse
import os
import shutil


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--standins", required=True, help="folder of the built stand-ins")
    parser.add_argument("--out", required=True, help="payload folder to (re)make")
    options = parser.parse_args()

    shutil.rmtree(options.out, ignore_errors=True)
    os.makedirs(options.out)
    copies = {
        "managed_app.exe": "RIDoreDizor.exe",
        "mingwm10.dll": "mingwm10.dll",
        "service_setup.exe": "NorSrvSetup.exe",
    }
    for built, shipped in copies.items():
        shutil.copyfile(os.path.join(options.standins, built), os.path.join(options.out, shipped))


if __name__ == "__main__":
    main()
