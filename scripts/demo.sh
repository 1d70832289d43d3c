#!/usr/bin/env bash
# Installs what is missing, builds, and runs the launcher on a demo bundle.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
bash scripts/run-demo.sh "${BUILD_DIR:-build}"
