#!/usr/bin/env python3
"""Checks the window's translations against the sources.

  check-translations.py LUPDATE TS_FILE... -- SOURCE...

Each .ts file is brought up to date from the sources in a scratch copy (as
the update_translations target would), so that a text added to the sources
and not yet translated counts as unfinished. Fails when a file has
unfinished, empty or obsolete entries, or when a translation drops or adds a
%1-style place or an access key (&).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE = re.compile(r"%\d")


def access_keys(text):
    # "&&" is a literal ampersand, any other "&" marks an access key.
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def problems_of(path):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %r" % (name, source)
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                found.append("%s is %s" % (where, kind))
                continue
            text = translation.text or ""
            if not text.strip() and source.strip():
                found.append("%s has an empty translation" % where)
            elif sorted(PLACE.findall(text)) != sorted(PLACE.findall(source)):
                found.append("%s: the places differ in %r" % (where, text))
            elif access_keys(text) != access_keys(source):
                found.append("%s: the access keys differ in %r" % (where, text))
    return found


def main():
    lupdate = sys.argv[1]
    separator = sys.argv.index("--")
    files, sources = sys.argv[2:separator], sys.argv[separator + 1:]
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for original in files:
            copy = os.path.join(scratch, os.path.basename(original))
            shutil.copyfile(original, copy)
            subprocess.run([lupdate, "-silent", "-tr-function-alias",
                            "QT_TRANSLATE_NOOP+=SHOWN_TEXT", "-locations", "none"]
                           + sources + ["-ts", copy], check=True)
            found = problems_of(copy)
            count = sum(1 for _ in ET.parse(copy).getroot().iter("message"))
            print("%s: %d texts, %d unfinished or wrong"
                  % (os.path.basename(original), count, len(found)))
            for problem in found[:20]:
                print("  " + problem)
            failed = failed or bool(found)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
