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
xvfb_pid=

rm -rf "$work/bundles"
[ -n "${DEMO_HOME:-}" ] || rm -rf "$home"
mkdir -p "$work/bundles" "$home"

# A virtual X server when there is one, else Qt's offscreen platform; the
# client has to outlive the launcher, so the server is ours, not xvfb-run's.
start_display() {
  if command -v Xvfb >/dev/null; then
    local n
    for n in $(seq 90 120); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    unset QT_QPA_PLATFORM
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
  export QT_QPA_PLATFORM=offscreen
}

client_pid() {
  sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$home/.VelmoraDrive/ui.pid" 2>/dev/null || true
}

# Only a process running the sandbox's own client executable is ours to stop.
stop_client() {
  local pid
  pid=$(client_pid)
  [ -n "$pid" ] || return 0
  if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$home/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui" ]; then
    echo "== stopping the demo client (pid $pid)"
    kill -TERM "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  fi
}

cleanup() {
  stop_client
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

show() {
  local pid
  # The client writes its pid file a moment after the launcher has ended.
  for _ in $(seq 50); do pid=$(client_pid); [ -z "$pid" ] || break; sleep 0.1; done
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

start_display
echo "== display: ${DISPLAY:-offscreen}"
run_launcher 100
show
run_launcher 101
show
