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

# Milliseconds of one run of "$@" into a fresh empty folder $work/out.
once() {
  local start end
  rm -rf "$work/out" && mkdir "$work/out"
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

# Warm the page cache and check both work before timing.
mkdir -p "$work/out" && (cd "$work/out" && lhasa xq "$archive")
"$cli" import "$archive" --app-dir "$work/out" >/dev/null

# The two alternate round by round, so that a busy machine slows both alike; the best round of
# each is the figure least disturbed by other work.
: >"$work/times"
for _ in $(seq "$rounds"); do
  echo "bare $(once sh -c "cd '$work/out' && exec lhasa xq '$archive'")" >>"$work/times"
  echo "full $(once "$cli" import "$archive" --app-dir "$work/out")" >>"$work/times"
done
printf 'archive        %s (%s bytes)\n' "$(basename "$archive")" "$(stat -c %s "$archive")"
printf 'rounds         %d\n' "$rounds"
awk '{ s[$1] += $2; if (!($1 in m) || $2 < m[$1]) m[$1] = $2 }
  END {
    n = NR / 2
    printf "lhasa x        best %.1f ms, mean %.1f ms\n", m["bare"] / 1000, s["bare"] / n / 1000
    printf "varnel-cli     best %.1f ms, mean %.1f ms\n", m["full"] / 1000, s["full"] / n / 1000
    printf "ratio          best %.2f, mean %.2f (goal: at most 1.50)\n", m["full"] / m["bare"], s["full"] / s["bare"]
  }' "$work/times"
