#!/usr/bin/env bash
# Installs the Debian packages the launcher needs to build, test and benchmark,
# with the fonts its dialog needs in every language.
# Idempotent: packages already present are skipped; runs as root without sudo.
#
#   install-deps.sh           everything
#   install-deps.sh --fonts   only the fonts (the demo and screenshot commands)
set -euo pipefail

# Arial's metrics (Liberation Sans), and Chinese, Japanese, Korean (Noto CJK)
# and Thai (Noto Sans Thai UI): without them those languages show empty
# boxes. The dialog test measures every language's texts with them.
font_packages=(fonts-liberation2 fonts-noto-cjk fonts-noto-ui-core)

packages=(
  cmake g++ make pkg-config
  # clang and its runtimes build the fuzz targets (libFuzzer); g++ brings the
  # runtimes of AddressSanitizer, UBSan and ThreadSanitizer.
  clang libclang-rt-14-dev
  # The layout check of CI (scripts/format-check.sh).
  clang-format
  # The macOS compile check (scripts/macos-check.sh): clang 14 with Apple
  # targets, libc++'s headers, and python3 to read the compile database.
  clang-14 libc++-14-dev python3
  qtbase5-dev qttools5-dev-tools qttools5-dev
  libicu-dev libarchive-dev zlib1g-dev
  # The package digest: nettle's SHA-256 (SHA instructions where the CPU has them).
  nettle-dev
  libgtest-dev libgmock-dev libbenchmark-dev libspdlog-dev
  unicode-data xvfb xauth libarchive-tools
  fonts-dejavu-core util-linux valgrind p7zip-full xz-utils zip
  "${font_packages[@]}"
)
[ "${1:-}" != --fonts ] || packages=("${font_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
