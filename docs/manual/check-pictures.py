#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every picture a manual page names exists in the built manual
and was drawn from the current build: no older than any of the programs
given (the windows it shows and the tools that drew it).

    check-pictures.py SOURCE_DIR BUILT_DIR PROGRAM...

Prints one line per fault and exits 1 when there is any."""
import os
import re
import sys

PICTURE = re.compile(r"!\[[^\]]*\]\(([^)\s]+)\)")


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    source, built, programs = argv[1], argv[2], argv[3:]
    newest = max(os.path.getmtime(p) for p in programs)
    newest_name = max(programs, key=os.path.getmtime)
    faults = []
    checked = 0
    for lang in sorted(os.listdir(source)):
        folder = os.path.join(source, lang)
        if not os.path.isdir(folder):
            continue
        for page in sorted(p for p in os.listdir(folder) if p.endswith(".md")):
            html = os.path.join(built, lang, page[:-3] + ".html")
            if not os.path.isfile(html):
                faults.append("%s/%s: no %s" % (lang, page, html))
            with open(os.path.join(folder, page), encoding="utf-8") as f:
                named = PICTURE.findall(f.read())
            for picture in named:
                path = os.path.join(built, lang, picture)
                checked += 1
                if not os.path.isfile(path):
                    faults.append("%s/%s names %s, which is not there" % (lang, page, picture))
                elif os.path.getmtime(path) < newest:
                    faults.append("%s/%s: %s is older than %s: drawn by an earlier build"
                                  % (lang, page, picture, os.path.basename(newest_name)))
    for fault in faults:
        print(fault)
    print("%d pictures checked, %d faults" % (checked, len(faults)))
    return 1 if faults or not checked else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
