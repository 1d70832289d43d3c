#!/usr/bin/env bash
# Compiles every source of the macOS build, as CMake configures it for Apple,
# for Intel and for Apple silicon (macOS 11), with clang against Apple's
# published headers in ../shared/macos-sdk, with -Wall -Wextra -Werror.
# The list of sources is the build's own compile database, so a new source
# is checked on the day it is added. Nothing is linked or run: there is no
# Apple linker or system here. Debian's Qt, ICU and libarchive headers stand
# in for the macOS ones; the C++ library is Debian's libc++.
#
#   macos-check.sh    (builds in build-macos-<arch>/, or under $MACOS_BUILD_ROOT)
set -euo pipefail
cd "$(dirname "$0")/.."
sdk=../shared/macos-sdk
[ -d "$sdk/usr/include" ] || { echo "macos-check: no SDK at $sdk" >&2; exit 1; }
root=${MACOS_BUILD_ROOT:-.}

# What the sysroot cannot give: ICU's and libarchive's headers, which Debian
# keeps in /usr/include beside glibc's (never put on the search path), and
# the SDK's own header links wherever a copy left them as text files naming
# their target.
make_links() {
  local links=$1
  rm -rf "$links" && mkdir -p "$links"
  ln -s /usr/include/unicode "$links/unicode"
  ln -s /usr/include/archive.h /usr/include/archive_entry.h "$links/"
  local name target
  for name in pthread.h sched.h; do
    target=$(head -c 200 "$sdk/usr/include/$name")
    if [ ! -L "$sdk/usr/include/$name" ] && [ -f "$sdk/usr/include/$target" ]; then
      ln -s "$(realpath "$sdk/usr/include/$target")" "$links/$name"
    fi
  done
}

# Qt's generated sources (moc, the translations' resource) for the database's
# entries that name them; the code generators run here, on Linux.
generate() {
  local build=$1 info
  find "$build" -name AutogenInfo.json -print0 | while IFS= read -r -d '' info; do
    cmake -E cmake_autogen "$info" "$2"
  done
  make -s -C "$build" -f ui-client/launcher/texts/CMakeFiles/launcher_texts_qrc.dir/build.make \
    ui-client/launcher/texts/qrc_texts.cpp >/dev/null
}

failed=0
# One build type per architecture: with and without NDEBUG and optimisation.
for arch_type in x86_64:Debug arm64:Release; do
  arch=${arch_type%%:*} type=${arch_type#*:}
  build=$root/build-macos-$arch
  make_links "$build-links"
  rm -rf "$build"  # afresh: no generator left over from a target that is gone
  cmake -S . -B "$build" --toolchain scripts/macos/toolchain.cmake -DCMAKE_BUILD_TYPE="$type" \
    -DVELMORA_MACOS_ARCH="$arch" -DVELMORA_MACOS_LINKS="$(realpath "$build-links")" \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$build.log" 2>&1 || { cat "$build.log" >&2; exit 1; }
  generate "$build" "$type"
  python3 scripts/macos/compile-all.py "$build" "$(nproc)" || failed=1
done
exit "$failed"
