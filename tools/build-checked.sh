#!/usr/bin/env bash
# Configures and builds the checked build in build-asan/: clang 14 with
# AddressSanitizer and UndefinedBehaviorSanitizer (no recovery) and the fuzz
# targets linked with libFuzzer. ccache serves it as it serves build/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DTALLYRA_SANITIZE=ON -DTALLYRA_FUZZ=ON -DTALLYRA_BENCHMARKS=OFF
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build-asan --parallel "${TALLYRA_BUILD_JOBS:-$(nproc)}" "${targets[@]}"
