#!/usr/bin/env bash
# Takes the README's picture of the main window: the bundled sample day, race 9 (東京9R), drawn
# on the offscreen platform, saved as data/help/main_window.png (the help pages show it too).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-data/help/main_window.png}"
# VARNEL_BUILD_DIR: an already configured build folder to use instead of the default preset's.
build="${VARNEL_BUILD_DIR:-}"
if [ -z "$build" ]; then
  bash scripts/setup.sh
  cmake --preset default >/dev/null
  build=build
fi
cmake --build "$build" --target varnel
appdir="$(mktemp -d)"
trap 'rm -rf "$appdir"' EXIT
cp data/sample/qdx_*.rq2 "$appdir/"
cp -r data/Data "$appdir/Data"
QT_QPA_PLATFORM=offscreen "$build/src/app/varnel" --app-dir "$appdir" --settings "$appdir/settings.ini" \
  --screenshot "$out" --race 8
echo "saved $out"
