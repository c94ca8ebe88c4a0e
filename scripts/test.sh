#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test:
#   1. the whole project (model, window, command-line program) under CTest,
#      the window headless on Qt's offscreen platform;
#   2. the model's and the command-line program's tests again under
#      AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the reader's fuzzer: its seed corpus replayed, then a bounded run;
#   4. the Debian package: built, checked by lintian, installed with apt on
#      this machine (root or sudo), tried, removed and purged without a trace;
#   5. kavelo-config for Windows, cross-built with MinGW-w64 and tried under
#      Wine: the model's and command line's suites, and against the Linux
#      build (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== Build and test: everything"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

echo "== Build and test: model and command line under ASan and UBSan"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

echo "== Fuzz the reader"
bash scripts/fuzz.sh "${KAVELO_FUZZ_SECONDS:-45}"

echo "== Debian package: build, lintian, install, use, remove"
bash scripts/package.sh build
bash tests/package/check-package.sh build/kavelo-manager_*.deb

echo "== kavelo-config for Windows, under Wine"
bash scripts/test-windows.sh

echo "== All tests passed"
