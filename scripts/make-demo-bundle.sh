#!/usr/bin/env bash
# Assembles a demo launcher bundle around the demo client.
#
#   make-demo-bundle.sh [options] <build-number> <output-folder>
#
#   --bin-dir DIR      folder holding velmora-launcher and cloud-drive-ui (default build/bin)
#   --name NAME        the bundle is <output-folder>/<NAME>.app (default "Velmora Drive")
#   --level LINE       a line of the log-level file, e.g. launcher_debug=7 (repeatable)
#   --extra-files N    pad the package with N small resource files (default 0)
#
# Layout: <NAME>.app/Contents/{MacOS/velmora-launcher, Resources/INFO,
# Resources/package/larkspan.vpk, Resources/images/ico_72_larkspan.png,
# Resources/log/launcher.debug (with --level), Frameworks/plugins/}.
# The package is a zip of the per-user bundle's Contents with the client as
# Contents/MacOS/cloud-drive-ui. Prints the bundle's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin_dir=$root/build/bin
name="Velmora Drive"
levels=()
extra_files=0

while [ $# -gt 0 ]; do
  case $1 in
    --bin-dir) bin_dir=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    --level) levels+=("$2"); shift 2 ;;
    --extra-files) extra_files=$2; shift 2 ;;
    -*) echo "make-demo-bundle: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [ $# -ne 2 ] || ! [[ $1 =~ ^[0-9]+$ ]] || ! [[ $extra_files =~ ^[0-9]+$ ]]; then
  sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
build=$1
out=$2
for exe in velmora-launcher cloud-drive-ui; do
  [ -x "$bin_dir/$exe" ] || { echo "make-demo-bundle: $bin_dir/$exe is missing; build first" >&2; exit 1; }
done

write_info() {
  printf '[Version]\nmajor_version=1\nminor_version=0\nbuild_version=%s\nicon_overlay_version=3\n' "$build" > "$1"
}

# The per-user bundle as the package carries it.
stage_package() {
  local stage=$1
  mkdir -p "$stage/Contents/MacOS" "$stage/Contents/Resources"
  cp "$bin_dir/cloud-drive-ui" "$stage/Contents/MacOS/cloud-drive-ui"
  write_info "$stage/Contents/Resources/INFO"
  local i dir
  for ((i = 0; i < extra_files; i++)); do
    dir=$stage/Contents/Resources/data/d$((i / 100))
    [ $((i % 100)) -ne 0 ] || mkdir -p "$dir"
    printf 'demo resource %d of build %s\n' "$i" "$build" > "$dir/f$i.txt"
  done
}

make_zip() {
  local stage=$1 zip_path=$2
  if command -v zip >/dev/null; then
    (cd "$stage" && zip -q -r -X "$zip_path" Contents)
  else
    bsdtar --format zip -C "$stage" -cf "$zip_path" Contents
  fi
}

bundle=$out/$name.app
contents=$bundle/Contents
rm -rf "$bundle"
mkdir -p "$contents/MacOS" "$contents/Resources/package" "$contents/Resources/images" \
  "$contents/Frameworks/plugins"
cp "$bin_dir/velmora-launcher" "$contents/MacOS/velmora-launcher"
cp "$root/demo/bundle/ico_72_larkspan.png" "$contents/Resources/images/ico_72_larkspan.png"
write_info "$contents/Resources/INFO"
if [ ${#levels[@]} -gt 0 ]; then
  mkdir -p "$contents/Resources/log"
  printf '%s\n' "${levels[@]}" > "$contents/Resources/log/launcher.debug"
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
stage_package "$stage"
make_zip "$stage" "$(cd "$contents/Resources/package" && pwd)/larkspan.vpk"
echo "$bundle"
