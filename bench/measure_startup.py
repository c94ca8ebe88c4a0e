#!/usr/bin/env python3
"""Times the start of the settings window beside a bare Qt window.

Runs each program RUNS times, alternately, headless on Qt's offscreen
platform, and prints the mean and median wall time and the largest resident
memory of each, then the settings window's mean over the bare window's.

    measure_startup.py SETTINGS_WINDOW BARE_WINDOW [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(program):
    """Wall time in seconds and largest resident memory in KiB of one run."""
    start = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{program} ended with status {child.returncode}")
    return elapsed, usage.ru_maxrss


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    programs = {"settings window": sys.argv[1], "bare window": sys.argv[2]}
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 30
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    times = {name: [] for name in programs}
    memory = {name: 0 for name in programs}
    for name, program in programs.items():  # one start each to warm the file cache
        run_once(program)
    for _ in range(runs):
        for name, program in programs.items():
            elapsed, rss = run_once(program)
            times[name].append(elapsed)
            memory[name] = max(memory[name], rss)
    for name in programs:
        print(f"{name:16} mean {statistics.mean(times[name]) * 1000:7.1f} ms  "
              f"median {statistics.median(times[name]) * 1000:7.1f} ms  "
              f"memory {memory[name] / 1024:6.1f} MiB")
    ratio = statistics.mean(times["settings window"]) / statistics.mean(times["bare window"])
    print(f"settings window / bare window: {ratio:.2f}")


if __name__ == "__main__":
    main()
