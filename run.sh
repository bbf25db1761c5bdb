#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Mirevo with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIREVO_TESTS=OFF -DMIREVO_BENCH=OFF >/dev/null
cmake --build build-release --target mirevo >/dev/null
exec ./build-release/src/app/mirevo "$@"
