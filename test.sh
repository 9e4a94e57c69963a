#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
./build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
