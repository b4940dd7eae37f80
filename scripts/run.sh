#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled sample race day.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target varnel-cli
./build/src/cli/varnel-cli races data/sample
