#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it. Arguments are
# passed on: a path opens that configuration file at start.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc 2>/dev/null || echo 2)" --target kavelo-manager
exec build/release/app/kavelo-manager "$@"
