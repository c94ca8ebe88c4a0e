#!/usr/bin/env python3
"""Measures the CPU time an idle settings window takes.

Starts the program headless (offscreen), gives it SETTLE seconds to start,
then reads its CPU time (user and system, from /proc) before and after
SECONDS seconds in which nothing happens, and prints the difference.

    measure_idle.py PROGRAM [SECONDS [SETTLE]]
"""
import os
import subprocess
import sys
import time


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks  # utime, stime


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 30
    settle = float(sys.argv[3]) if len(sys.argv) > 3 else 3
    environment = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    program = subprocess.Popen([sys.argv[1]], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(settle)
        before = cpu_seconds(program.pid)
        time.sleep(seconds)
        after = cpu_seconds(program.pid)
    finally:
        program.terminate()
        program.wait()
    print(f"idle window: {(after - before) * 1000:.0f} ms of CPU in {seconds:.0f} s "
          f"(clock tick {1000 / os.sysconf('SC_CLK_TCK'):.0f} ms)")


if __name__ == "__main__":
    main()
