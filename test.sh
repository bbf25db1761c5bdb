#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, so the fuzz targets get libFuzzer) and runs every test. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
export CC=clang CXX=clang++
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMIREVO_WERROR=ON -DMIREVO_SANITIZE=ON -DMIREVO_FUZZ=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
