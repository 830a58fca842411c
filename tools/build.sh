#!/usr/bin/env bash
# Configures and builds the project in build/ with every core and ccache:
# everything, or only the targets named as arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build --parallel "${TALLYRA_BUILD_JOBS:-$(nproc)}" "${targets[@]}"
