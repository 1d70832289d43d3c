#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $BUILD_DIR) and runs every test there. Any finding fails the
# run: UBSan does not recover, and leaks are reported at exit except Qt's own
# process-lifetime objects, listed in scripts/sanitize.supp. The options are
# built into every program (scripts/sanitizer-options.cpp), so programs that
# the tests start with an environment of their own have them as well.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-asan}
sanitizers=address,undefined
mkdir -p "$build_dir"
options_object=$PWD/$build_dir/sanitizer-options.o
g++ -c -O1 -DVELMORA_LSAN_SUPPRESSIONS="\"$PWD/scripts/sanitize.supp\"" \
  scripts/sanitizer-options.cpp -o "$options_object.new"
# CMake does not know the programs depend on it: changed options relink them all.
if ! cmp -s "$options_object.new" "$options_object"; then
  mv "$options_object.new" "$options_object"
  rm -rf "${build_dir:?}/bin"
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers $options_object" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

# UstringStorage.HugeCountsThrowBadAllocAndKeepText asks for more than any
# allocator can give and expects std::bad_alloc; ASan's allocator treats
# such a request as fatal unless it may return null.
export ASAN_OPTIONS=allocator_may_return_null=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" -j"$(nproc)" --output-on-failure --timeout 900
