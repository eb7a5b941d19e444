#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test:
#  1. the picture decoders under AddressSanitizer/UBSan with bounded fuzzing (clang),
#  2. the whole program and its tests (gcc), with a real CUPS server,
# all inside a network namespace that has only loopback.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh test

# 1. sanitizers and fuzzers
CC=clang CXX=clang++ cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVANE_PICTURE_ONLY=ON -DMORVANE_SANITIZE=ON -DMORVANE_FUZZ=ON
cmake --build build-san -j"$(nproc)"
scripts/netns-run.sh ctest --test-dir build-san --output-on-failure

# 2. the program
bash scripts/build.sh
bash scripts/start-cups.sh
scripts/netns-run.sh ctest --test-dir build --output-on-failure
