#!/usr/bin/env bash
# Runs every benchmark program; each compares ours with a peer on the same input in one run.
set -euo pipefail
cd "$(dirname "$0")/../build/bench"
export QT_QPA_PLATFORM=offscreen
for b in ./*_bench; do
  echo "== $b"
  "$b" --benchmark_counters_tabular=true "$@"
done
