# Shared by the demo scripts (sourced): a private virtual X server and the
# demo client of a sandbox home folder.

xvfb_pid=

# Starts Xvfb on a free display and exports DISPLAY; returns 1 without Xvfb.
# The server is ours, not xvfb-run's, because the client outlives the launcher.
# Xvfb picks the display itself (-displayfd) and names it once it accepts
# clients, so runs side by side never share or race for one.
start_xvfb() {
  command -v Xvfb >/dev/null || return 1
  local ready n
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    n=$(cat "$ready")
    [ -z "$n" ] || break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$ready"
  if [ -n "$n" ]; then
    export DISPLAY=":$n"
    unset QT_QPA_PLATFORM
    return 0
  fi
  stop_xvfb
  return 1
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  xvfb_pid=
}

# The pid the demo client of home folder $1 recorded, if any.
client_pid() {
  sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$1/.VelmoraDrive/ui.pid" 2>/dev/null || true
}

# Stops the demo client of home folder $1; only a process running that home
# folder's own client executable is ours to stop.
stop_client() {
  local pid
  pid=$(client_pid "$1")
  [ -n "$pid" ] || return 0
  if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$1/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui" ]; then
    # Standard error: the clean-up must not die on a closed output pipe.
    echo "== stopping the demo client (pid $pid)" >&2
    kill -TERM "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  fi
}
