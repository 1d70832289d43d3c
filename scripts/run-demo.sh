#!/usr/bin/env bash
# Runs the built launcher on demo bundles against a sandbox home folder: a
# first install (build 100), then an upgrade (build 101). Each run prints
# its own new log lines and one summary line (what the launcher found, what
# it did, which client it started); at the end the demo client is stopped.
#
#   run-demo.sh [build-folder]        (default build)
#   DEMO_HOME=/some/folder run-demo.sh   to use another home folder; the
#                                        real one is never used unless named
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$root/build}" && pwd)
work=$build_dir/demo
home=${DEMO_HOME:-$work/home}
# The launcher's and the client's own runtime folder, never the session's.
runtime=$work/runtime
log=$home/.VelmoraDrive/log/launcher.log
. "$root/scripts/demo-common.sh"

rm -rf "$work/bundles" "$runtime"
[ -n "${DEMO_HOME:-}" ] || rm -rf "$home"
mkdir -p "$work/bundles" "$home"
mkdir -m 700 "$runtime"

cleanup() {
  stop_client "$home"
  stop_xvfb
}
trap cleanup EXIT

installed_build() {
  sed -n 's/^build_version=//p' "$home/.VelmoraDrive/VelmoraDrive.app/Contents/Resources/INFO" 2>/dev/null || true
}

# The client started after a run: a live pid in ui.pid other than $1. The
# client writes it a moment after the launcher has ended.
new_client() {
  local pid
  for _ in $(seq 50); do
    pid=$(client_pid "$home")
    if [ -n "$pid" ] && [ "$pid" != "$1" ] && kill -0 "$pid" 2>/dev/null; then
      echo "$pid"
      return
    fi
    sleep 0.1
  done
}

# One line: what the run found, what it did, which client it started.
summary() {
  local build=$1 found=$2 status=$3 pid=$4 now did started
  now=$(installed_build)
  if [ "$status" -ne 0 ]; then did="ended with status $status"
  elif [ -z "$found" ] && [ -n "$now" ]; then did="installed build $now"
  elif [ "$found" != "$now" ]; then did="upgraded it to build $now"
  elif [ "$now" -ge "$build" ]; then did="had nothing to install"
  else did="could not install build $build and kept build ${now:-none} (see the [ERROR] lines)"
  fi
  if [ -n "$pid" ]; then started="started $(readlink "/proc/$pid/exe" 2>/dev/null || echo "pid $pid") (pid $pid)"
  else started="started no client"
  fi
  echo "== launcher of build $build: found ${found:+build }${found:-no client}; $did; $started"
}

run_launcher() {
  local build=$1 bundle found before logged status=0
  bundle=$(bash "$root/scripts/make-demo-bundle.sh" --bin-dir "$build_dir/bin" --name "Velmora Drive $build" \
    --level launcher_debug=7 --level service_debug=7 "$build" "$work/bundles")
  found=$(installed_build)
  before=$(client_pid "$home")
  logged=$(stat -c %s "$log" 2>/dev/null || echo 0)
  echo "== running the launcher of build $build: HOME=$home"
  HOME=$home XDG_RUNTIME_DIR=$runtime "$bundle/Contents/MacOS/velmora-launcher" >/dev/null || status=$?
  local pid
  pid=$(new_client "$before")
  tail -c +$((logged + 1)) "$log" 2>/dev/null || echo "(no log file)"
  summary "$build" "$found" "$status" "$pid"
}

# A virtual X server when there is one, else Qt's offscreen platform.
start_xvfb || export QT_QPA_PLATFORM=offscreen
echo "== display: ${DISPLAY:-offscreen}"
run_launcher 100
run_launcher 101
echo "== the sandbox home folder stays in $home"
