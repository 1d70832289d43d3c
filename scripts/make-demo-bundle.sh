#!/usr/bin/env bash
# Assembles a demo launcher bundle around the demo client with velmora-pack.
#
#   make-demo-bundle.sh [options] <build-number> <output-folder>
#
#   --bin-dir DIR      folder holding velmora-pack, velmora-launcher and cloud-drive-ui
#                      (default build/bin)
#   --name NAME        the bundle is <output-folder>/<NAME>.app (default "Velmora Drive")
#   --level LINE       a line of the log-level file, e.g. launcher_debug=7 (repeatable)
#   --extra-files N    pad the package with N small resource files (default 0)
#
# The client bundle folder VelmoraDrive.app (the demo client as
# Contents/MacOS/cloud-drive-ui, its INFO, the padding) is made in a temp
# folder and packed by `velmora-pack bundle`; the demo then adds
# Resources/images/ico_72_larkspan.png, Resources/log/launcher.debug (with
# --level) and an empty Frameworks/plugins/. Prints the bundle's path.
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
  sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
build=$1
out=$2
for exe in velmora-pack velmora-launcher cloud-drive-ui; do
  [ -x "$bin_dir/$exe" ] || { echo "make-demo-bundle: $bin_dir/$exe is missing; build first" >&2; exit 1; }
done

# The client bundle as a release engineer has it.
make_client() {
  local client=$1 i dir
  mkdir -p "$client/Contents/MacOS" "$client/Contents/Resources"
  cp "$bin_dir/cloud-drive-ui" "$client/Contents/MacOS/cloud-drive-ui"
  printf '[Version]\nmajor_version=1\nminor_version=0\nbuild_version=%s\nicon_overlay_version=3\n' "$build" \
    > "$client/Contents/Resources/INFO"
  for ((i = 0; i < extra_files; i++)); do
    dir=$client/Contents/Resources/data/d$((i / 100))
    [ $((i % 100)) -ne 0 ] || mkdir -p "$dir"
    printf 'demo resource %d of build %s\n' "$i" "$build" > "$dir/f$i.txt"
  done
}

mkdir -p "$out"
bundle=$(cd "$out" && pwd)/$name.app
contents=$bundle/Contents
rm -rf "$bundle"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
make_client "$stage/VelmoraDrive.app"
"$bin_dir/velmora-pack" bundle --client "$stage/VelmoraDrive.app" --build "$build" \
  --launcher "$bin_dir/velmora-launcher" --out "$bundle" >/dev/null

mkdir -p "$contents/Resources/images" "$contents/Frameworks/plugins"
cp "$root/demo/bundle/ico_72_larkspan.png" "$contents/Resources/images/ico_72_larkspan.png"
if [ ${#levels[@]} -gt 0 ]; then
  mkdir -p "$contents/Resources/log"
  printf '%s\n' "${levels[@]}" > "$contents/Resources/log/launcher.debug"
fi
echo "$bundle"
