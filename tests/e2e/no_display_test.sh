#!/usr/bin/env bash
# Without a screen the program says how to start it and fails cleanly.
set -u
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "$output"
[ $status -eq 1 ] || { echo "status $status, expected 1"; exit 1; }
grep -q 'xvfb-run' <<<"$output" || { echo "no advice on how to run it"; exit 1; }
