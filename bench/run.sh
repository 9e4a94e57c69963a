#!/usr/bin/env bash
# Builds and runs the benchmarks, printing one table. Timing is for reading, not a pass/fail.
#   bench/run.sh [RUNS]   start-up runs per program (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
./setup.sh
./build.sh
runs=${1:-15}
export QT_QPA_PLATFORM=offscreen
echo "benchmark                                  time              peak memory"
./build/bench/startup ./build/bench/startup_flebika ./build/bench/startup_bare "$runs"
