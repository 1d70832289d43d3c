#!/usr/bin/env python3
"""Compiles, without writing objects, every entry of a CMake compile database,
with -Werror, a few at a time; prints each failure and the count.

    compile-all.py <build folder> <jobs>
"""
import json
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor


def compile_one(entry):
    command = entry["command"] + " -fsyntax-only -Werror"
    done = subprocess.run(command, shell=True, cwd=entry["directory"], capture_output=True, text=True)
    return entry["file"], done.returncode, done.stdout + done.stderr


def main():
    build, jobs = sys.argv[1], int(sys.argv[2])
    with open(os.path.join(build, "compile_commands.json")) as database:
        entries = json.load(database)
    failed = 0
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        for source, status, output in pool.map(compile_one, entries):
            if status != 0 or output:
                print(output, end="", file=sys.stderr)
            if status != 0:
                print(f"macos-check: {source} does not compile for macOS", file=sys.stderr)
                failed += 1
    print(f"macos-check: {build}: {len(entries) - failed} of {len(entries)} sources compile")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
