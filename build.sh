#!/usr/bin/env bash
# Configures and builds into build/ (quietly when nothing changed).
set -euo pipefail
cd "$(dirname "$0")"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" -- --quiet >/dev/null
