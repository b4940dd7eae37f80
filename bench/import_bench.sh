#!/usr/bin/env bash
# Import of the sample day archive by varnel-cli (extract, convert, load, list the races) against
# the bare extraction of the same archive by lhasa, each into an empty folder, in one run.
#   bash bench/import_bench.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rounds=${2:-20}
archive=$here/data/sample/hb261004.lzh
cli=$build/src/cli/varnel-cli
command -v lhasa >/dev/null || { echo "lhasa not found (apt-get install lhasa)"; exit 1; }
[ -x "$cli" ] || { echo "varnel-cli not built in $build"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seconds for $rounds runs of "$@", each into a fresh empty folder $work/out.
timed() {
  local start end
  start=$(date +%s.%N)
  for _ in $(seq "$rounds"); do
    rm -rf "$work/out" && mkdir "$work/out"
    "$@" >/dev/null
  done
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

# Warm the page cache and check both work before timing.
mkdir -p "$work/out" && (cd "$work/out" && lhasa xq "$archive")
"$cli" import "$archive" --app-dir "$work/out" >/dev/null

bare=$(timed sh -c "cd '$work/out' && lhasa xq '$archive'")
full=$(timed "$cli" import "$archive" --app-dir "$work/out")
printf 'archive        %s (%s bytes)\n' "$(basename "$archive")" "$(stat -c %s "$archive")"
printf 'rounds         %d\n' "$rounds"
awk -v bare="$bare" -v full="$full" -v n="$rounds" 'BEGIN {
  printf "lhasa x        %.1f ms per run\n", bare * 1000 / n
  printf "varnel-cli     %.1f ms per run\n", full * 1000 / n
  printf "ratio          %.2f (goal: at most 1.50)\n", full / bare
}'
