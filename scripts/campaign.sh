#!/usr/bin/env bash
# A local campaign of faults over the launcher's per-user state: random
# kills over upgrades and over first installations that move the older
# product's data, full disks, and two sessions on one home, each trial
# followed by plain runs. Fails when a plain run ends without a complete
# client of a known build (the bundle differs from a clean install of its
# build), with the user's data not whole (at the new place once a plain run
# with room has run), with a client running anything but the installed
# executable (an old client beside the new one), or with no client.
#
#   campaign.sh [options]
#
#   --kills N       upgrades (100 -> 101 or 102) killed at a random call (default 20)
#   --migrations N  first installations moving the older data, killed at a random
#                   call, half of them inside the move; the data on the same volume,
#                   on another, or a mount point (default 20)
#   --full N        upgrades on a full disk (a tmpfs home), killed at random after
#                   the disk ran full or not at all (default 10)
#   --sessions N    two launchers of builds 101 and 102 on one home, from two sessions
#                   or a linked home, with flock working or failing as on a network
#                   home, one of them maybe killed (default 10)
#   --seed S        seed of the random choices (default: the time); a campaign with
#                   the same seed and counts makes the same choices
#   --bin-dir DIR   folder of the built programs and kill_at_op.so (default build/bin,
#                   kill_at_op.so from build/tests)
#   --keep          keep the work folder (homes of failed trials are under failures/)
#
# The demo client, unlike the real one, runs again beside itself when the
# launcher starts it while it runs; such second instances of the installed
# client are ended after each run and counted, not failed.
#
# Needs root (tmpfs mounts) and a build (scripts/build.sh). Everything happens in
# a private folder under /tmp; only clients started from there are ever
# signalled. Prints one line per trial and the counts; exit status 1 when any
# trial failed. Not part of CI: the lead runs it before a release.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kills=20 migrations=20 full=10 sessions=10 seed=$(date +%s) keep=0
bin_dir=$root/build/bin
library=$root/build/tests/libkill_at_op.so
while [ $# -gt 0 ]; do
  case $1 in
    --kills) kills=$2; shift 2 ;;
    --migrations) migrations=$2; shift 2 ;;
    --full) full=$2; shift 2 ;;
    --sessions) sessions=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --bin-dir) bin_dir=$2; library=$2/../tests/libkill_at_op.so; shift 2 ;;
    --keep) keep=1; shift ;;
    *) sed -n '2,35p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
  esac
done
[ "$(id -u)" = 0 ] || { echo "campaign: needs root for its tmpfs mounts" >&2; exit 2; }
[ -f "$library" ] || { echo "campaign: $library is missing; build first" >&2; exit 2; }
RANDOM=$seed

work=$(mktemp -d /tmp/velmora-campaign.XXXXXX)
home=$work/home
drive=$home/.VelmoraDrive
app=$drive/VelmoraDrive.app
client_exe=$app/Contents/MacOS/cloud-drive-ui
failures=0 trials=0 duplicates=0
declare -A reference counted window

# --- Clients and mounts of our own -------------------------------------------

client_pids() {
  local proc exe
  for proc in /proc/[0-9]*; do
    exe=$(readlink "$proc/exe" 2>/dev/null) || continue
    case $exe in "$work"/*cloud-drive-ui*) echo "${proc#/proc/} $exe" ;; esac
  done
}

stop_clients() {
  local pid exe
  while read -r pid exe; do kill -9 "$pid" 2>/dev/null; done < <(client_pids)
  for _ in $(seq 50); do [ -z "$(client_pids)" ] && return; sleep 0.1; done
}

# The launcher starts the client at every run, and the demo client, unlike
# the real one, does not end when another instance runs; its pid file names
# the newest. That one stays, as a single-instance client would leave it,
# and the duplicates of the same executable go. A client of another
# executable is left for check_clients to find.
single_instance() {
  local named pid exe kept=""
  named=$(sed -n 's/^pid=//p' "$drive/ui.pid" 2>/dev/null)
  while read -r pid exe; do [ "$pid" = "$named" ] && kept=$exe; done < <(client_pids)
  [ -n "$kept" ] || return 0
  while read -r pid exe; do
    if [ "$pid" != "$named" ] && [ "$exe" = "$kept" ]; then
      kill -9 "$pid" 2>/dev/null && duplicates=$((duplicates + 1))
    fi
  done < <(client_pids)
}

unmount_all() {
  local mnt
  for mnt in $(awk -v w="$work" 'index($2, w) == 1 {print $2}' /proc/mounts | sort -r); do
    umount -l "$mnt"
  done
}

finish() {
  stop_clients
  unmount_all
  [ "$keep" = 1 ] && echo "campaign: work folder kept: $work" || rm -rf "$work"
}
trap finish EXIT

# --- Runs ---------------------------------------------------------------------

# launch <bundle> <run name> [VAR=value...]: one launcher run in its own
# session folder; its status (137 when killed).
launch() {
  local bundle=$1 name=$2
  shift 2
  mkdir -p "$work/run-$name"
  timeout -s KILL 600 env -i HOME="${LAUNCH_HOME:-$home}" QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$work/run-$name" PATH=/usr/bin:/bin "$@" \
    "$bundle/Contents/MacOS/velmora-launcher" >>"$work/launcher.out" 2>&1
  local status=$?
  # A run that ended has started its client, unless there is none to start.
  if [ "$status" = 0 ] && [ "$name" != one ] && [ "$name" != two ]; then
    wait_for_client
    single_instance
  fi
  return $status
}

cut_short() { # <bundle> <point> [VAR=value...]
  local bundle=$1 point=$2
  shift 2
  launch "$bundle" cut LD_PRELOAD="$library" VELMORA_KILL_AT_OP="$point" "$@"
}

# calls: the calls an installation of <bundle> makes from the home <setup>
# makes, counted once per key; move_first and move_last: the first and the
# last of them that touch the older product's data or the marks of its move.
count_calls() { # <key> <bundle> <setup>
  if [ -z "${counted[$1]:-}" ]; then
    $3
    rm -f "$work/trace"
    launch "$2" count LD_PRELOAD="$library" VELMORA_OP_COUNT_FILE="$work/calls" \
      VELMORA_OP_TRACE_FILE="$work/trace"
    counted[$1]=$(cat "$work/calls")
    window[$1]=$(grep -E '/\.Larkspan|data_migrat' "$work/trace" | sed -n '1s/ .*//p;$s/ .*//p' | tr '\n' ' ')
    stop_clients
  fi
  calls=${counted[$1]}
  read -r move_first move_last <<< "${window[$1]:-1 1}"
}

# point: a random call from 1 to <calls>, or from <first> to <last>.
pick_point() { # <calls> [<first> <last>]
  local first=${2:-1} last=${3:-$1}
  point=$(( first + (RANDOM * 32768 + RANDOM) % (last - first + 1) ))
}

# --- What a run leaves ----------------------------------------------------------

# Names, kinds, modes, link texts and content hashes of a tree (a folder's
# size depends on the volume).
tree_sig() {
  [ -d "$1" ] || { echo none; return; }
  (cd "$1" && find . -printf '%P %y %m %l\n' | sort && find . -type f -print0 | sort -z |
     xargs -0 -r sha1sum) | sha1sum | cut -c1-16
}

build_of() { sed -n 's/^build_version=//p' "$app/Contents/Resources/INFO" 2>/dev/null; }

wait_for_client() {
  local pid exe
  for _ in $(seq 100); do
    while read -r pid exe; do [ "$exe" = "$client_exe" ] && return 0; done < <(client_pids)
    sleep 0.1
  done
  return 1
}

fail() {
  failures=$((failures + 1))
  echo "  FAILED: $*"
  tail -n 5 "$drive/log/launcher.log" 2>/dev/null | sed 's/^/    /'
  if [ "$keep" = 1 ]; then
    mkdir -p "$work/failures"
    cp -a "$home" "$work/failures/$trials" 2>/dev/null
  fi
}

# Every running client runs the installed executable: none of an older build
# beside it, none from a moved or removed bundle.
check_clients() { # <after what>
  local pid exe
  while read -r pid exe; do
    [ "$exe" = "$client_exe" ] || { fail "$1: a client runs '$exe' beside the installed one"; return 1; }
  done < <(client_pids)
  return 0
}

# After a plain run: a complete client of a known build (the expected one
# when given), the data whole where given, the client running.
check_plain() { # <label> <expected build or ""> <data folder> <data signature>
  local build
  build=$(build_of)
  if [ -z "${reference[$build]:-}" ]; then
    fail "$1: no complete client of a known build (build '${build}')"
    return
  fi
  [ "$(tree_sig "$app")" = "${reference[$build]}" ] || { fail "$1: the bundle of build $build is not whole"; return; }
  [ -z "$2" ] || [ "$build" = "$2" ] || { fail "$1: build $build installed, $2 expected"; return; }
  [ "$(tree_sig "$3")" = "$4" ] || { fail "$1: the user's data at '$3' is not whole"; return; }
  wait_for_client || { fail "$1: no client started"; return; }
  check_clients "$1"
}

# --- Homes ----------------------------------------------------------------------

empty_home() {
  stop_clients
  unmount_all
  rm -rf "$home"
  mkdir -p "$home"
}

user_data() { # <folder>
  mkdir -p "$1/sync"
  echo "the user's notes" > "$1/notes.txt"
  head -c 200000 /dev/urandom > "$1/sync/state.db"
  ln -s sync/state.db "$1/latest"
}

# Build 100 installed with the user's data, its client running.
upgrade_home() {
  empty_home
  cp -a "$work/template-upgrade/." "$home/"
  (cd "$home" && env -i HOME="$home" QT_QPA_PLATFORM=offscreen PATH=/usr/bin:/bin \
     setsid "$client_exe" >/dev/null 2>&1 &)
  wait_for_client
}

# The older product's folder and no client; variant: on the "same" volume as
# the per-user folder, on "another" one, or the older data a "mount" point.
migration_home() { # <variant>
  empty_home
  case $1 in
    another) mkdir -p "$drive" && mount -t tmpfs -o size=256m,mode=0700 tmpfs "$drive" ;;
    mount) mkdir -p "$home/.Larkspan/data" && mount -t tmpfs -o size=64m tmpfs "$home/.Larkspan/data" ;;
  esac
  cp -a "$work/template-larkspan/." "$home/.Larkspan/"
}

# --- Set-up -------------------------------------------------------------------

echo "campaign: seed $seed, work folder $work"
mkdir -p "$work/bundles"
for build in 100 101 102; do
  bash "$root/scripts/make-demo-bundle.sh" --bin-dir "$bin_dir" --name "Velmora Drive $build" \
    --level launcher_debug=7 --level service_debug=7 \
    --extra-files 300 "$build" "$work/bundles" >/dev/null || exit 1
  bundle[$build]="$work/bundles/Velmora Drive $build.app"
  empty_home
  launch "${bundle[$build]}" clean || { echo "campaign: a clean install of $build failed" >&2; exit 1; }
  reference[$build]=$(tree_sig "$app")
done
empty_home
mkdir -p "$work/template-larkspan/app"
user_data "$work/template-larkspan/data"
echo x=1 > "$work/template-larkspan/settings.ini"
echo "the older client" > "$work/template-larkspan/app/bin"
larkspan_sig=$(tree_sig "$work/template-larkspan/data")
launch "${bundle[100]}" clean
stop_clients
user_data "$drive/data"
mkdir -p "$work/template-upgrade"
cp -a "$home/." "$work/template-upgrade/"
upgrade_sig=$(tree_sig "$drive/data")

# --- Trials ---------------------------------------------------------------------

for ((i = 1; i <= kills; i++)); do
  trials=$((trials + 1))
  target=$((101 + RANDOM % 2))
  count_calls "upgrade-$target" "${bundle[$target]}" upgrade_home
  pick_point "$calls"
  echo "kill $i: upgrade to $target cut short before call $point of $calls"
  upgrade_home
  cut_short "${bundle[$target]}" "$point"
  check_clients "after the cut" || continue
  launch "${bundle[$target]}" plain
  check_plain "plain run" "$target" "$drive/data" "$upgrade_sig"
done

for ((i = 1; i <= migrations; i++)); do
  trials=$((trials + 1))
  variants=(same another mount)
  variant=${variants[$((RANDOM % 3))]}
  count_calls "migration-$variant" "${bundle[101]}" "migration_home $variant"
  # Half of the points fall in the move, a small share of the calls.
  if [ $((RANDOM % 2)) = 0 ]; then pick_point "$calls"; else pick_point "$calls" "$move_first" "$move_last"; fi
  echo "migration $i: the older data ($variant), first install cut short before call $point of $calls" \
       "(the move: $move_first to $move_last)"
  migration_home "$variant"
  cut_short "${bundle[101]}" "$point"
  check_clients "after the cut" || continue
  launch "${bundle[101]}" plain
  check_plain "plain run" 101 "$drive/data" "$larkspan_sig"
  # A mount point at the older data cannot go; it stays, empty.
  left=$(find "$home/.Larkspan" -mindepth 1 2>/dev/null | grep -v "^$home/.Larkspan/data\$" | head -3)
  if [ -n "$left" ] || { [ "$variant" != mount ] && [ -e "$home/.Larkspan/data" ]; }; then
    fail "plain run: the older product's folder still holds ${left:-data}"
  fi
done

for ((i = 1; i <= full; i++)); do
  trials=$((trials + 1))
  upgrade_home
  stop_clients
  used=$(du -sb "$home" | cut -f1)
  mkdir -p "$work/full-template"
  cp -a "$home/." "$work/full-template/"
  empty_home
  mount -t tmpfs -o size=$((used * 3 + 8 * 1048576)) tmpfs "$home"
  cp -a "$work/full-template/." "$home/"
  rm -rf "$work/full-template"
  (cd "$home" && env -i HOME="$home" QT_QPA_PLATFORM=offscreen PATH=/usr/bin:/bin \
     setsid "$client_exe" >/dev/null 2>&1 &)
  wait_for_client
  leave=$(( 65536 + (RANDOM * 32768 + RANDOM) % (used / 2) ))
  after=$(( RANDOM % 3 == 0 ? -1 : RANDOM % 60 ))
  echo "full $i: upgrade to 102 with $leave bytes left, killed $after calls after the disk ran full (-1: never)"
  launch "${bundle[102]}" cut LD_PRELOAD="$library" VELMORA_FILL_ON_MKDIR=/.VelmoraDrive/VelmoraDrive.app \
    VELMORA_FILL_FILE="$home/filler" VELMORA_FILL_LEAVE="$leave" VELMORA_KILL_AFTER_ENOSPC="$after"
  check_clients "after the cut" || continue
  launch "${bundle[102]}" full
  check_plain "plain run on the full disk" "" "$drive/data" "$upgrade_sig"
  rm -f "$home/filler"
  launch "${bundle[102]}" room
  check_plain "plain run with room" 102 "$drive/data" "$upgrade_sig"
done

ln -s "$home" "$work/link"
for ((i = 1; i <= sessions; i++)); do
  trials=$((trials + 1))
  upgrade_home
  first=$((101 + RANDOM % 2)) second=$((203 - first))
  flock_fails=$((RANDOM % 2)) linked=$((RANDOM % 2)) victim=$((RANDOM % 3))
  settings=()
  [ "$flock_fails" = 1 ] && settings=(LD_PRELOAD="$library" VELMORA_FLOCK_ERRNO=37)
  kill_one=()
  if [ "$victim" != 0 ]; then
    count_calls "upgrade-102" "${bundle[102]}" upgrade_home
    pick_point "$calls"
    upgrade_home
    kill_one=(LD_PRELOAD="$library" VELMORA_KILL_AT_OP=$point)
  fi
  echo "sessions $i: $first then $second, flock $([ "$flock_fails" = 1 ] && echo failing || echo working)," \
       "second $([ "$linked" = 1 ] && echo through a linked home || echo from another session)," \
       "$([ "$victim" = 0 ] && echo none killed || echo "launcher $victim killed at ${kill_one[1]#*=}")"
  one=("${settings[@]}") two=("${settings[@]}")
  [ "$victim" = 1 ] && one=("${kill_one[@]}" "${settings[@]:1}")
  [ "$victim" = 2 ] && two=("${kill_one[@]}" "${settings[@]:1}")
  launch "${bundle[$first]}" one "${one[@]}" &
  a=$!
  LAUNCH_HOME=$([ "$linked" = 1 ] && echo "$work/link" || echo "$home") launch "${bundle[$second]}" two "${two[@]}" &
  b=$!
  wait "$a" "$b"
  wait_for_client
  single_instance
  check_clients "after the two sessions" || continue
  launch "${bundle[102]}" plain
  check_plain "plain run" 102 "$drive/data" "$upgrade_sig"
done

echo "campaign: $trials trials ($kills kills over upgrades, $migrations over migrations, $full on full disks," \
     "$sessions of two sessions), $failures failed; $duplicates second instances of an installed client ended"
[ "$failures" = 0 ]
