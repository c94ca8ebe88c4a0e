#!/usr/bin/env python3
"""The Linux and Windows builds of kavelo-config, side by side.

  round-trip.py LINUX-KAVELO-CONFIG WINDOWS-KAVELO-CONFIG.EXE WINE [COUNT]

Generates COUNT (200) camera files of firmware 2.10 to 2.25, each changed by a
random set of raw assignments (values in and out of range), has each build
make the same file from the same start, and compares: the bytes written, the
exit status, and what show, get and check print. Then one copy from a file to
all of them, each build on its own set. Fails on the first difference.
"""
import os
import random
import re
import subprocess
import sys
import tempfile

from wine_run import run_under_wine


def setting_names(linux):
    text = subprocess.run([linux, "--help"], capture_output=True, text=True, check=True).stdout
    block = text.split("Settings (index, name, values the window offers):", 1)[1]
    return re.findall(r"^\s+\d+ (\S+)", block.split("\n\n", 1)[0], re.M)


last_errors = {}


def run(command, under_wine=False):
    done = run_under_wine(command) if under_wine else subprocess.run(command, capture_output=True)
    last_errors[command[0]] = done.stderr[-2000:]  # shown when the builds differ
    return done.returncode, done.stdout


def main():
    linux, windows, wine = (os.path.abspath(p) for p in sys.argv[1:4])
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 200
    names = setting_names(linux)
    rng = random.Random(20261208)
    builds = {"linux": [linux], "windows": [wine, windows]}
    with tempfile.TemporaryDirectory() as scratch:
        folders = {build: os.path.join(scratch, build) for build in builds}
        for folder in folders.values():
            os.mkdir(folder)
        for i in range(count):
            start = "{KAVELO FW v2.%02d}\n{HW v003}\n" % rng.randint(10, 25)
            assignments = ["%s=%d" % (name, rng.randint(-3, 1000))
                           for name in rng.sample(names, rng.randint(1, 12))]
            asked = rng.sample(names, 3)
            outcome = {}
            for build, program in builds.items():
                wine = build == "windows"
                path = os.path.join(folders[build], "CAM%03d.TXT" % i)
                with open(path, "w", newline="\n") as out:
                    out.write(start)
                # Relative paths: the same text in either build's output.
                cwd = os.getcwd()
                os.chdir(folders[build])
                name = os.path.basename(path)
                status = run(program + ["set", name, "--raw", "--keep-clock"] + assignments, wine)
                shown = run(program + ["show", name], wine)
                got = run(program + ["get", name] + asked, wine)
                checked = run(program + ["check", name], wine)
                os.chdir(cwd)
                with open(path, "rb") as written:
                    outcome[build] = (status, written.read(), shown, got, checked)
            if outcome["linux"] != outcome["windows"]:
                print("file %d differs between the builds: %s" % (i, " ".join(assignments)))
                for build in builds:
                    print("  %s: %r" % (build, outcome[build]))
                    print("  %s, standard error of its last run: %r"
                          % (build, last_errors.get(builds[build][0])))
                return 1
        source = os.path.join(folders["linux"], "CAM000.TXT")
        copies = {}
        for build, program in builds.items():
            targets = ["CAM%03d.TXT" % i for i in range(1, count)]
            cwd = os.getcwd()
            os.chdir(folders[build])
            status, out = run(program + ["copy", os.path.relpath(source), "--keep-clock"]
                              + targets, build == "windows")
            os.chdir(cwd)
            files = []
            for target in targets:
                with open(os.path.join(folders[build], target), "rb") as written:
                    files.append(written.read())
            copies[build] = (status, files)
        if copies["linux"] != copies["windows"]:
            print("the copy to %d files differs between the builds" % (count - 1))
            return 1
    print("%d files and a copy to %d: byte-identical from the Linux and Windows builds"
          % (count, count - 1))
    return 0


if __name__ == "__main__":
    sys.exit(main())
