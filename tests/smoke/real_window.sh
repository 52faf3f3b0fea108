#!/usr/bin/env bash
# Starts the real program in a virtual X display and checks its main window appears.
set -euo pipefail
program=$1
export QT_QPA_PLATFORM=xcb
config=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$config"' EXIT
export SCRIVANT_CONFIG_DIR=$config
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" & pid=$!
  for i in $(seq 1 100); do
    if xdotool search --name "^The Corvane Scrivant Pro$" >/dev/null 2>&1; then
      kill $pid; wait $pid 2>/dev/null; exit 0
    fi
    sleep 0.1
  done
  kill $pid; echo "main window did not appear"; exit 1
' "$program" &
pid=$!
wait $pid
