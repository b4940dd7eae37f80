#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled sample race day in the desktop program.
# Without a display it says so and prints the first race with varnel-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target varnel-cli varnel

# The program folder of the demonstration: the sample day and the course tables, beside the build.
appdir="$PWD/build/sample-day"
mkdir -p "$appdir"
cp data/sample/qdx_*.rq2 "$appdir/"
rm -rf "$appdir/Data"
cp -r data/Data "$appdir/Data"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop program cannot open."
  echo "run: the first race of the sample day as varnel-cli prints it:"
  echo
  ./build/src/cli/varnel-cli card "$appdir" 0
  exit 0
fi
exec ./build/src/app/varnel --app-dir "$appdir"
