#!/usr/bin/env bash
# Runs every test headless. The real-window smoke test starts its own Xvfb.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
