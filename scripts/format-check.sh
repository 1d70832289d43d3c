#!/usr/bin/env bash
# Fails when a tracked C++ file is not laid out as .clang-format says; the
# lines it would change are printed. Fix with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format-check: every C++ file is laid out as .clang-format says"
