#!/usr/bin/env bash
# Configures and builds Morvane into build/ (or $MORVANE_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MORVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
