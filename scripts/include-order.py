#!/usr/bin/env python3
"""Draws which folders of the launcher include which, and fails when a file
includes a header of the launcher without its folder, or from a folder above
its own in the order of the build:

    startup -> driver -> service -> install -> extract -> package -> platform, texts

    include-order.py    (prints "folder -> folder: files" for every arrow)
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui-client", "launcher")
RANK = {"?": -1, "startup": 0, "driver": 1, "service": 2, "install": 3, "extract": 4, "package": 5, "platform": 6, "texts": 6}
INCLUDE = re.compile(r'^#include "([^"]+)"', re.M)


def arrows():
    """{(folder, folder it includes from): [files]}; a header named without
    its folder counts as included from "?"."""
    found = {}
    for folder, _, files in os.walk(ROOT):
        for name in files:
            path = os.path.relpath(os.path.join(folder, name), ROOT)
            top = path.split(os.sep)[0]
            if top not in RANK or not name.endswith((".cpp", ".h")):
                continue
            with open(os.path.join(ROOT, path)) as source:
                for included in INCLUDE.findall(source.read()):
                    to = included.split("/")[0] if "/" in included else "?"
                    if to == "?" and not os.path.exists(os.path.join(ROOT, folder, included)):
                        continue
                    if to in RANK and to != top:
                        found.setdefault((top, to), []).append(path)
    return found


def main():
    upward = 0
    for (source, target), files in sorted(arrows().items(), key=lambda a: (RANK[a[0][0]], RANK[a[0][1]])):
        wrong = RANK[target] <= RANK[source]  # "?" ranks above every folder
        print(f"{source} -> {target}: {len(files)}" + ("  AGAINST THE ORDER: " + " ".join(sorted(files)) if wrong else ""))
        upward += wrong
    if upward:
        print(f"include-order: {upward} arrows run up the order or name no folder", file=sys.stderr)
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
