#!/usr/bin/env bash
# Runs the built launcher on demo bundles against a sandbox home folder:
# a first install (build 100), then an upgrade (build 101), showing the
# installed tree, the log and the running client after each, and finally
# stops the demo client.
#
#   run-demo.sh [build-folder]        (default build)
#   DEMO_HOME=/some/folder run-demo.sh   to use another home folder; the
#                                        real one is never used unless named
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$root/build}" && pwd)
work=$build_dir/demo
home=${DEMO_HOME:-$work/home}
. "$root/scripts/demo-common.sh"

rm -rf "$work/bundles"
[ -n "${DEMO_HOME:-}" ] || rm -rf "$home"
mkdir -p "$work/bundles" "$home"

cleanup() {
  stop_client "$home"
  stop_xvfb
}
trap cleanup EXIT

show() {
  local pid
  # The client writes its pid file a moment after the launcher has ended.
  for _ in $(seq 50); do pid=$(client_pid "$home"); [ -z "$pid" ] || break; sleep 0.1; done
  echo "== installed tree under $home"
  (cd "$home" && find . -path ./.VelmoraDrive/VelmoraDrive.app/Contents/Resources/data -prune -o -print | sort)
  echo "== $home/.VelmoraDrive/log/launcher.log"
  cat "$home/.VelmoraDrive/log/launcher.log" 2>/dev/null || echo "(no log file)"
  echo "== running client"
  if [ -n "$pid" ]; then ps -o pid,etime,args -p "$pid" || true; else echo "(no ui.pid yet)"; fi
}

run_launcher() {
  local build=$1 bundle
  bundle=$(bash "$root/scripts/make-demo-bundle.sh" --bin-dir "$build_dir/bin" --name "Velmora Drive $build" \
    --level launcher_debug=7 --level service_debug=7 "$build" "$work/bundles")
  echo "== running the launcher of build $build: HOME=$home"
  local status=0
  HOME=$home "$bundle/Contents/MacOS/velmora-launcher" || status=$?
  echo "== launcher exit status $status"
}

# A virtual X server when there is one, else Qt's offscreen platform.
start_xvfb || export QT_QPA_PLATFORM=offscreen
echo "== display: ${DISPLAY:-offscreen}"
run_launcher 100
show
run_launcher 101
show
