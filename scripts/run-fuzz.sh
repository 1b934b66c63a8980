#!/usr/bin/env bash
# Runs libFuzzer targets of the fuzz build (cmake --preset fuzz && cmake --build --preset fuzz)
# one after another, each for FUZZ_SECONDS (default 600), in fork mode so one crash does not end
# the run. Each target works on a scratch copy of fuzz/corpus/<target> under build-fuzz/runs/;
# crashes, timeouts and out-of-memory inputs land beside it as crash-*, timeout-*, oom-*.
# Usage: scripts/run-fuzz.sh [target...]   (default: every target in build-fuzz/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-600}
bin=build-fuzz/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for t in "$bin"/*_fuzz; do targets+=("$(basename "$t")"); done
fi
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
for t in "${targets[@]}"; do
    run=build-fuzz/runs/$t
    mkdir -p "$run/corpus"
    cp -n fuzz/corpus/"$t"/* "$run/corpus/" 2>/dev/null || true
    echo "== $t for ${seconds}s"
    "$bin/$t" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$run/" "$run/corpus" > "$run/log.txt" 2>&1 || true
    grep -E '^#[0-9]+' "$run/log.txt" | tail -1 || true
    ls "$run" | grep -E '^(crash|timeout|oom|leak)-' || echo "no findings"
done
