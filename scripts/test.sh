#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test.
# VARNEL_SANITIZE=1 runs the suite under ASan + UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
preset=default
if [ "${VARNEL_SANITIZE:-0}" = "1" ]; then preset=asan; fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
