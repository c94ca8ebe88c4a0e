#!/usr/bin/env python3
"""What Windows asks of kavelo-config beyond what Linux does, under Wine.

  windows-cases.py KAVELO-CONFIG.EXE HOLD-FILE.EXE HOLD-LOCK.EXE WINE CARD

CARD is the folder that the Wine prefix shows as the removable drive E:.

- a file that another program holds open (as Explorer's preview does) is
  saved all the same, rewritten where it is once it cannot be replaced;
- a set waits for another run's lock on its file, and goes on once the
  program holding it is killed;
- cameras lists the card in the removable drive E:, and copy reaches it;
- saves killed at any moment leave the file whole, old or new, and the next
  save leaves no temporary beside it;
- a file with the read-only attribute is not saved, and says so;
- paths with letters beyond ASCII, and drive-letter paths with backslashes;
- the output's line ends are the program's ("\\n", not "\\r\\n").
"""
import os
import random
import subprocess
import sys
import tempfile
import time

from wine_run import run_under_wine

START = "{KAVELO FW v2.20}\n{HW v003}\n"


def main():
    program, holder, locker, wine, card = (os.path.abspath(p) for p in sys.argv[1:6])
    failures = []

    def kavelo(*arguments):
        return run_under_wine([wine, program] + list(arguments))

    def check(condition, what):
        print(("ok      " if condition else "FAILED  ") + what)
        if not condition:
            failures.append(what)

    def lens(path):
        return kavelo("get", path, "lens").stdout

    with tempfile.TemporaryDirectory() as scratch:
        os.chdir(scratch)

        def fresh(name):
            with open(name, "w", newline="\n") as out:
                out.write(START)
            return name

        # Held open without sharing deletion: neither replaced nor renamed.
        fresh("HELD.TXT")
        hold = subprocess.Popen([wine, holder, "HELD.TXT", "4000"], stdout=subprocess.PIPE)
        check(hold.stdout.readline().strip() == b"held", "the holder holds HELD.TXT")
        done = kavelo("set", "HELD.TXT", "lens=fisheye", "--keep-clock")
        check(done.returncode == 0 and lens("HELD.TXT") == b"2\n",
              "a file held open is saved where it is (status %d)" % done.returncode)
        hold.wait()
        check(not [n for n in os.listdir(".") if n.startswith(".kavelo-save-")],
              "no temporary is left beside it")

        # Another run's lock: the set waits for it, and a holder that is
        # killed gives it up.
        fresh("LOCK.TXT")
        locking = subprocess.Popen([wine, locker, "LOCK.TXT"], stdout=subprocess.PIPE)
        check(locking.stdout.readline().strip() == b"held", "another program locks LOCK.TXT")
        waiting = subprocess.Popen([wine, program, "set", "LOCK.TXT", "lens=fisheye", "--keep-clock"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.5)
        check(waiting.poll() is None and open("LOCK.TXT").read() == START,
              "a set waits while another program holds the lock")
        locking.kill()
        locking.wait()
        try:
            status = waiting.wait(timeout=10)
        except subprocess.TimeoutExpired:
            waiting.kill()
            status = None
        check(status == 0 and lens("LOCK.TXT") == b"2\n",
              "the set goes on once the holder is killed (status %s)" % status)

        # Saves killed at random moments, as by a pulled cable or Task Manager.
        fresh("KILLED.TXT")
        check(kavelo("set", "KILLED.TXT", "lens=standard", "--keep-clock").returncode == 0,
              "a whole KILLED.TXT is made")
        pace = random.Random(20261209)
        killed, torn, leftovers = 0, [], 0
        for n in range(40):
            saving = subprocess.Popen(
                [wine, program, "set", "KILLED.TXT", "lens=" + ("fisheye", "wide-angle")[n % 2],
                 "--keep-clock"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(pace.uniform(0.0, 0.1))
            saving.kill()
            killed += saving.wait() != 0
            read = kavelo("get", "KILLED.TXT", "lens")
            if read.returncode != 0 or read.stdout not in (b"0\n", b"1\n", b"2\n"):
                torn.append((read.returncode, read.stdout, read.stderr[-300:]))
            leftovers += len([n for n in os.listdir(".") if n.startswith(".kavelo-save-")])
        check(not torn, "%d saves killed on the way: the file is whole, old or new, each time %r"
              % (killed, torn))
        check(kavelo("set", "KILLED.TXT", "lens=standard", "--keep-clock").returncode == 0
              and not [n for n in os.listdir(".") if n.startswith(".kavelo-save-")],
              "and the next save leaves no temporary (%d were found after kills)" % leftovers)

        # The card in the removable drive E:.
        with open(os.path.join(card, "CONFIG.TXT"), "w", newline="\n") as out:
            out.write(START)
        listed = kavelo("cameras")
        check(listed.returncode == 0 and listed.stdout ==
              b"E:\\\tE:\\CONFIG.TXT\tKAVELO FW v2.20\t220\tHW v003\t3\tsupported\n",
              "cameras lists the card in E: %r" % listed.stdout)
        copied = kavelo("copy", "LOCK.TXT", "--all-cameras", "--keep-clock")
        check(copied.returncode == 0 and copied.stdout == b"E:\\CONFIG.TXT: saved and checked\n"
              and lens("E:\\CONFIG.TXT") == b"2\n",
              "copy --all-cameras reaches it %r" % copied.stdout)

        # The read-only attribute.
        fresh("LOCKED.TXT")
        subprocess.run([wine, "cmd", "/c", "attrib", "+r", "LOCKED.TXT"], capture_output=True)
        before = open("LOCKED.TXT", "rb").read()
        done = kavelo("set", "LOCKED.TXT", "lens=fisheye")
        check(done.returncode == 5 and b"NOT saved" in done.stderr,
              "a read-only file is not saved, and says so (%d)" % done.returncode)
        check(open("LOCKED.TXT", "rb").read() == before, "the read-only file is as it was")

        # Names beyond ASCII, and a drive-letter path with backslashes.
        for name in ("café.TXT", "Ωμέγα.TXT", "カメラ.TXT"):
            fresh(name)
            done = kavelo("set", name, "lens=wide-angle", "--keep-clock")
            check(done.returncode == 0 and lens(name) == b"1\n", "the file %s" % name)
        windows_path = "Z:" + os.path.join(scratch, "DRIVE.TXT").replace("/", "\\")
        fresh("DRIVE.TXT")
        done = kavelo("set", windows_path, "lens=fisheye", "--keep-clock")
        check(done.returncode == 0 and lens("DRIVE.TXT") == b"2\n",
              "the path %s" % windows_path)

        # Line ends as written.
        shown = kavelo("show", "DRIVE.TXT").stdout
        check(b"\n" in shown and b"\r\n" not in shown, "show ends its lines with \\n")
        os.chdir("/")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
