#!/usr/bin/env bash
# Takes a screenshot of the progress dialog in the middle of an install under
# a virtual X server: the launcher installs a demo bundle with many files,
# is paused once a part of them is on disk, the screen is saved, and the
# run is let finish. With --languages, draws the dialog in every language
# the launcher carries into one picture instead.
#
#   dialog-screenshot.sh [build-folder] [output.png]
#   (defaults: build, <build-folder>/artifacts/progress-dialog.png)
#   SCREENSHOT_FILES=<n> sets the number of files in the package (20000).
#
#   dialog-screenshot.sh --languages [build-folder] [output.png]
#   (default output: <build-folder>/artifacts/dialog-languages.png)
#   QT_FONT_DPI=192 draws the dialogs as at scale 2.0 (96 is unscaled).
#
# Both first install the fonts the dialog's languages need.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" --fonts >&2

if [ "${1:-}" = --languages ]; then
  build_dir=$(cd "${2:-$root/build}" && pwd)
  output=${3:-$build_dir/artifacts/dialog-languages.png}
  mkdir -p "$(dirname "$output")"
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  # Qt's offscreen screen draws what an X server would, with none to start.
  # The sandbox home: a Qt program may write caches under its home.
  HOME=$home XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen "$build_dir/bin/dialog-languages" "$output"
  exit
fi

build_dir=$(cd "${1:-$root/build}" && pwd)
output=${2:-$build_dir/artifacts/progress-dialog.png}
work=$build_dir/artifacts/screenshot
home=$work/home
files=${SCREENSHOT_FILES:-20000}
launcher_pid=
. "$root/scripts/demo-common.sh"

cleanup() {
  [ -z "$launcher_pid" ] || { kill -CONT "$launcher_pid" 2>/dev/null || true; wait "$launcher_pid" || true; }
  stop_client "$home"
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work/bundles" "$home" "$(dirname "$output")"
bundle=$(bash "$root/scripts/make-demo-bundle.sh" --bin-dir "$build_dir/bin" --extra-files "$files" \
  100 "$work/bundles")
# 77: skipped, for CTest.
start_xvfb 640x360x24 || { echo "dialog-screenshot: skipped, Xvfb is needed" >&2; exit 77; }

HOME=$home "$bundle/Contents/MacOS/velmora-launcher" >"$work/launcher.out" 2>&1 &
launcher_pid=$!

# Pause the launcher (our own child) once about a third of the files are out.
data=$home/.VelmoraDrive/VelmoraDrive.app/Contents/Resources/data
for _ in $(seq 600); do
  count=$( (find "$data" -type f 2>/dev/null || true) | wc -l)
  [ "$count" -lt $((files / 3)) ] || break
  kill -0 "$launcher_pid" 2>/dev/null || break
  sleep 0.05
done
kill -STOP "$launcher_pid"
# The dialog repaints on its own event loop; give the server's frame a moment.
sleep 0.3
# The sandbox home here too: a Qt program may write caches under its home.
HOME=$home "$build_dir/bin/screen-snapshot" "$output"
echo "dialog-screenshot: $count of $files resource files extracted when taken"
