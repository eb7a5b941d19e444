#!/usr/bin/env bash
# Runs a command inside a fresh network namespace that has only loopback, so
# nothing it does can reach beyond 127.0.0.0/8.
set -euo pipefail
exec unshare -n -- bash -c 'ip link set lo up && exec "$@"' netns-run "$@"
