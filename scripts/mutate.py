#!/usr/bin/env python3
"""Mutation pass over the model: how many small operator faults do the tests catch?

Each mutant changes one operator on one code line of a model source file
(< and <=, > and >=, == and !=, && and ||, true and false, + 1 and - 1),
rebuilds the model's and the command line's tests, and runs them. A mutant
that makes a test fail (or hang past the time limit) is caught; one that
every test lets through survived; one that does not compile is left out of
the figures. The sample is drawn with a fixed seed, so two runs over the same
sources try the same mutants and their figures can be compared.

    scripts/mutate.py [--sample N] [--seed S] [--build DIR] [--list] [FILE...]

The build folder is a configuration of its own (no window, tests on), so a
pass never disturbs the other builds; the sources are restored after each
mutant, and on Ctrl+C.
"""

import argparse
import random
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SWAPS = [
    (" <= ", " < "), (" < ", " <= "),
    (" >= ", " > "), (" > ", " >= "),
    (" == ", " != "), (" != ", " == "),
    (" && ", " || "), (" || ", " && "),
    ("true", "false"), ("false", "true"),
    (" + 1", " - 1"), (" - 1", " + 1"),
]
MODEL_PARTS = ["settings", "format", "storage", "devices"]
TEST_PROGRAMS = [f"tests/model/{part}/{part}_tests" for part in MODEL_PARTS] + ["tests/cli/cli_tests"]
TARGETS = [f"{part}_tests" for part in MODEL_PARTS] + ["cli_tests", "kavelo-config"]


def code_only(line):
    """The line with its comment and the insides of its literals blanked, so
    that an operator inside a string or a comment is never taken for code."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(c if c == quote else " ")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def sites(path):
    """Every (line number, column, original, replacement) in a source file."""
    found = []
    in_block_comment = False
    for number, line in enumerate(path.read_text().splitlines(), start=1):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("#") or stripped.startswith("//"):
            continue
        code = code_only(line)
        for original, replacement in SWAPS:
            pattern = re.escape(original)
            if original in ("true", "false"):
                pattern = r"\b" + original + r"\b"
            for match in re.finditer(pattern, code):
                start = match.start()
                # "a < b" and "a <= b" overlap: take each operator once.
                if original == " < " and code[start:start + 4] == " <= ":
                    continue
                if original == " > " and code[start:start + 4] == " >= ":
                    continue
                found.append((number, start, original, replacement))
    return found


def run(command, timeout):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def build(folder):
    return run(["cmake", "--build", str(folder), "-j2", "--target", *TARGETS], 600) == 0


def tests_pass(folder, timeout):
    for program in TEST_PROGRAMS:
        if run([str(folder / program), "--gtest_brief=1"], timeout) != 0:
            return False
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sample", type=int, default=60)
    parser.add_argument("--seed", type=int, default=16)
    parser.add_argument("--build", default=str(ROOT / "build" / "mutate"))
    parser.add_argument("--timeout", type=int, default=60, help="seconds per test program")
    parser.add_argument("--list", action="store_true", help="list the sample, run nothing")
    parser.add_argument("files", nargs="*", help="sources to mutate (default: model/**/*.cpp)")
    options = parser.parse_args()

    files = [Path(f).resolve() for f in options.files] or sorted((ROOT / "model").rglob("*.cpp"))
    every = [(f, *site) for f in files for site in sites(f)]
    sample = sorted(random.Random(options.seed).sample(every, min(options.sample, len(every))),
                    key=lambda m: (str(m[0]), m[1], m[2]))
    print(f"{len(every)} mutation sites in {len(files)} files; sample of {len(sample)}, seed {options.seed}")
    if options.list:
        for path, number, column, original, replacement in sample:
            print(f"{path.relative_to(ROOT)}:{number}:{column + 1}: '{original.strip()}' -> '{replacement.strip()}'")
        return 0

    folder = Path(options.build)
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(folder), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DKAVELO_BUILD_GUI=OFF", "-DKAVELO_BUILD_TESTS=ON"],
                   check=True, stdout=subprocess.DEVNULL)
    if not build(folder) or not tests_pass(folder, options.timeout):
        print("the unmutated sources do not build or pass their tests", file=sys.stderr)
        return 2

    results = {"caught": [], "survived": [], "not compiled": []}
    for index, (path, number, column, original, replacement) in enumerate(sample, start=1):
        text = path.read_text()
        lines = text.splitlines(keepends=True)
        line = lines[number - 1]
        lines[number - 1] = line[:column] + replacement + line[column + len(original):]
        label = (f"{path.relative_to(ROOT)}:{number}: '{original.strip()}' -> '{replacement.strip()}'"
                 f"   {line.strip()}")
        started = time.monotonic()
        try:
            path.write_text("".join(lines))
            if not build(folder):
                outcome = "not compiled"
            else:
                outcome = "survived" if tests_pass(folder, options.timeout) else "caught"
        finally:
            path.write_text(text)
        results[outcome].append(label)
        print(f"[{index}/{len(sample)}] {outcome:12} {time.monotonic() - started:5.1f}s  {label}", flush=True)
    build(folder)

    compiled = len(results["caught"]) + len(results["survived"])
    share = 100 * len(results["caught"]) // compiled if compiled else 0
    print(f"\ncaught {len(results['caught'])} of {compiled} that compile ({share} %), sample {len(sample)}")
    for label in results["survived"]:
        print(f"survived: {label}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
