#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $BUILD_DIR)
# and runs each for $FUZZ_SECONDS seconds (30 unless set), one at a time,
# from its seeds in fuzz/seeds/ (the two extracting targets also from
# ../shared/corpus), each in a folder of its own under build-fuzz/runs/. The
# extracting targets drop to uid 65534 and extract into temp folders of
# their own; survey_extract_fuzz checks that what the pre-flight accepts is
# what the extraction writes. Exits non-zero when
# any target finds something; the input is kept as runs/<target>/crash-*
# (or timeout-*, leak-*, oom-*), and the ordinary build replays it:
# build/bin/<target> <file>.
# FUZZ_SEED fixes libFuzzer's random seed (CI sets it, so that a run repeats
# what the same commit did before and a failure there is a regression, not
# a chance find); unset, every run explores afresh.
#   Usage: scripts/fuzz.sh [target...]    e.g. FUZZ_SECONDS=3600 nice scripts/fuzz.sh extract_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}
seed=${FUZZ_SEED:-0}  # 0: libFuzzer picks one
corpus=${VELMORA_CORPUS_DIR:-$root/../shared/corpus}/archives
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(extract_fuzz survey_extract_fuzz config_fuzz ustring_fuzz pidfile_fuzz)

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:allocator_may_return_null=1:max_allocation_size_mb=4500"
leaks=$(cd "$build_dir" && pwd)/leaks.supp
cat scripts/sanitize.supp fuzz/library-leaks.supp > "$leaks"
export LSAN_OPTIONS="suppressions=$leaks:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Options of one target. The extractor's inputs are archives of up to 128 KB
# (larger seeds are cut); a file it writes past its size limit fails with
# EFBIG rather than ending the run; and the library may reserve what an
# archive asks for (an LZMA dictionary of 4 GB, a read-ahead of 16 GB for a
# RAR5 header), which is its own business: only untouched address space, or
# null where the system refuses. The sanitizer would touch an eighth of such
# a block (its shadow) and hit the resident-set limit, so it refuses any
# block above 4.5 GB instead (max_allocation_size_mb, null as a system may
# give), and libFuzzer's own per-allocation limit is out of the way.
# Config lines may be longer than the 8191-byte limit.
options() {
  case $1 in
    extract_fuzz|survey_extract_fuzz) echo "-max_len=131072 -timeout=60 -handle_xfsz=0 -malloc_limit_mb=1048576" ;;
    config_fuzz) echo "-max_len=20000 -timeout=10" ;;
    *) echo "-max_len=4096 -timeout=10" ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  work=$root/$build_dir/runs/$target
  rm -rf "$work"
  mkdir -p "$work/new" "$work/seeds"
  cp -r fuzz/seeds/"$name"/. "$work/seeds/"
  if [[ $target == *extract_fuzz ]] && [ -d "$corpus" ]; then
    cp -r "$corpus"/. "$work/seeds/"
  fi
  # The extracting targets drop to uid 65534 at start and keep working here.
  [ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$work"
  echo "fuzz: $target for ${seconds}s"
  # Relative paths only: an ancestor of the tree may be closed to uid 65534.
  # shellcheck disable=SC2046
  if (cd "$work" && "$root/$build_dir/bin/$target" $(options "$target") -max_total_time="$seconds" -seed="$seed" \
        -print_final_stats=1 -artifact_prefix=./ new seeds >run.log 2>&1); then
    grep -E '^(Done|stat::number_of_executed_units)' "$work/run.log" | tr '\n' ' '; echo
  else
    grep -E 'INVARIANT BROKEN|ERROR: |SUMMARY: |Test unit written|^Base64' "$work/run.log" | head -n 8
    echo "  (the whole output: $build_dir/runs/$target/run.log)"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs under $build_dir/runs/)" >&2
  exit 1
fi
