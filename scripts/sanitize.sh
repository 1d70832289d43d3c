#!/usr/bin/env bash
# Runs the tests under the sanitizers; any finding fails the run.
#   scripts/sanitize.sh          AddressSanitizer and UBSan: builds everything
#                                into build-asan/ and runs every test. UBSan
#                                does not recover; leaks are reported at exit
#                                except Qt's own process-lifetime objects
#                                (scripts/sanitize.supp).
#   scripts/sanitize.sh thread   ThreadSanitizer: builds the threaded tests
#                                whose locks it can see into build-tsan/ and
#                                runs them (scripts/tsan.supp). The driver and
#                                relay tests are left out: their threads meet
#                                in Qt's event queue, whose locks an
#                                uninstrumented Qt hides, so every queued
#                                signal would be reported as a race.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-address}
common=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_BENCH=OFF)
export QT_QPA_PLATFORM=offscreen

if [ "$mode" = thread ]; then
  build_dir=${BUILD_DIR:-build-tsan}
  cmake -S . -B "$build_dir" "${common[@]}" -DCMAKE_CXX_FLAGS="-fsanitize=thread" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
  cmake --build "$build_dir" -j"$(nproc)" --target log_test uipathmanager_test package_preflight_test
  export TSAN_OPTIONS="halt_on_error=1:suppressions=$PWD/scripts/tsan.supp"
  ctest --test-dir "$build_dir" -j"$(nproc)" --output-on-failure --timeout 900 -R '^(LogTest|UIPathManager|PreflightTest|Packages/BadPackageTest)\.'
  exit
fi

build_dir=${BUILD_DIR:-build-asan}
sanitizers=address,undefined
mkdir -p "$build_dir"
options_object=$PWD/$build_dir/sanitizer-options.o
# The suppressions' lines as one C string: "leak:A\nleak:B\n".
suppressions=$(sed -e '/^#/d' -e '/^$/d' -e 's/$/\\n/' scripts/sanitize.supp | tr -d '\n')
g++ -c -O1 -DVELMORA_LSAN_SUPPRESSIONS="\"$suppressions\"" scripts/sanitizer-options.cpp -o "$options_object.new"
# CMake does not know the programs depend on it: changed options relink them all.
if ! cmp -s "$options_object.new" "$options_object"; then
  mv "$options_object.new" "$options_object"
  rm -rf "${build_dir:?}/bin"
fi
cmake -S . -B "$build_dir" "${common[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers $options_object" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

# UstringStorage.HugeCountsThrowBadAllocAndKeepText asks for more than any
# allocator can give and expects std::bad_alloc; ASan's allocator treats
# such a request as fatal unless it may return null.
export ASAN_OPTIONS=allocator_may_return_null=1
# A child that QProcess::startDetached forks from the launcher's worker thread
# allocates before it execs; when another thread held a lock of this ASan
# runtime at the fork, the child spins forever (the runtime takes no fork
# handlers). Such a hang, never a finding, is given one more run.
ctest --test-dir "$build_dir" -j"$(nproc)" --output-on-failure --timeout 300 --repeat after-timeout:2
