#!/usr/bin/env bash
# Installs what is missing, builds, and runs the launcher on a demo bundle.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
echo "demo: the launcher is built at build/bin/velmora-launcher; the demo bundle is not assembled yet."
