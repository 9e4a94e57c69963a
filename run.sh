#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Flebika.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
./build.sh
exec ./build/flebika "$@"
