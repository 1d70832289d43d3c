#!/usr/bin/env bash
# Installs what is missing, builds the three programs the demo runs, and runs
# the launcher on demo bundles. The build's output goes to a log file, shown
# only when the build fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
bash scripts/install-deps.sh
mkdir -p "$build_dir"
log=$build_dir/demo-build.log
echo "== building velmora-launcher, velmora-pack and the demo client (output in $log)"
if ! BUILD_DIR=$build_dir bash scripts/build.sh velmora-launcher velmora-pack cloud-drive-ui >"$log" 2>&1; then
  tail -n 30 "$log"
  echo "== the build failed; the whole output is in $log" >&2
  exit 1
fi
bash scripts/run-demo.sh "$build_dir"
