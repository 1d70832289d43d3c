#!/usr/bin/env bash
# Compiles, without building, every macOS-only source (*_mac.cpp) and every
# product file with an __APPLE__ branch as macOS would see it: __APPLE__ defined,
# small stand-ins for the few macOS interfaces they use (scripts/macos-stubs/)
# in front of the system's headers. A function renamed or a signature
# changed on one side of a platform pair fails here on the day it happens:
# a definition that no longer matches its declaration is an error. The
# tests, fuzz targets and benchmarks mount volumes and enter namespaces:
# they are Linux's and left out.
#
#   macos-syntax.sh [file...]    (default: every such file in the tree)
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=${CXX:-g++}
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' ':!tests' ':!fuzz' ':!bench' | while read -r f; do
    case "$f" in *_mac.cpp) echo "$f" ;; *) ! grep -q '__APPLE__' "$f" || echo "$f" ;; esac
  done)
fi
# Every source folder: the quoted includes of any target resolve.
mapfile -t folders < <(git ls-files '*.h' | xargs -n1 dirname | sort -u)
flags=(-std=c++17 -fsyntax-only -fPIC -D__APPLE__ -Wall -Wextra -Werror=missing-declarations
  -isystem scripts/macos-stubs)
flags+=("${folders[@]/#/-I}")
read -r -a qt <<<"$(pkg-config --cflags Qt5Core Qt5Gui Qt5Widgets Qt5Test icu-uc libarchive)"
failed=0
for f in "${files[@]}"; do
  if ! "$cxx" "${flags[@]}" "${qt[@]}" "$f"; then
    echo "macos-syntax: $f does not compile for macOS" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "macos-syntax: ${#files[@]} files compile for macOS"
exit "$failed"
