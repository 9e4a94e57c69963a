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

# The handlers' rows: Qt Test's CSV result lines are "function","tag","metric",value,total,count.
declare -A names=(
    [calculateEverythingTicked]="Расчёт, everything ticked"
    [resetEverythingTicked]="Очистить, everything ticked"
    [anConflict]="An conflict, nested reset"
    [severityScore]="Подсчитать баллы"
    [segmentScore]="Подсчёт"
    [fullCeap]="Полный CEAP!"
)
./build/bench/bench_handlers -csv 2>/dev/null | tr -d '"' | {
    LC_ALL=C.UTF-8 # pad by characters, not bytes: the names are partly Cyrillic
    while IFS=, read -r function _ metric value _; do
        case $metric in
        WalltimeNanoseconds) value=$(awk -v v="$value" 'BEGIN { print v / 1e6 }') ;;
        WalltimeMilliseconds) ;;
        *) continue ;;
        esac
        name="handler: ${names[$function]:-$function}"
        printf '%s%*s %10.4f ms %14s (target < 1 ms)\n' "$name" $((36 - ${#name})) "" "$value" ""
    done
}
