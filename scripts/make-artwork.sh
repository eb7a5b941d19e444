#!/usr/bin/env bash
# Regenerates the built-in artwork in resources/ (background, badges, icon PNGs).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S scripts/artwork -B build-artwork >/dev/null
cmake --build build-artwork -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen build-artwork/make-artwork resources
