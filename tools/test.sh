#!/usr/bin/env bash
# Builds the project and runs the whole test suite; then builds the checked
# build (clang, address and undefined-behaviour sanitizers) and runs the
# whole suite again there, with the fuzz targets' corpus replays and short
# fixed-seed runs and the kill tests. Both builds use ccache.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

tools/build.sh
(cd build && ctest --output-on-failure --parallel "$jobs" --timeout 600)

tools/build-checked.sh
(cd build-asan && ctest --output-on-failure --parallel "$jobs" --timeout 1500)
