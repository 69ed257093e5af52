#!/usr/bin/env bash
# Starts bench_gui_startup ten times and prints each run's time from the
# moment before the process was started to the main window shown.
set -euo pipefail
build="${1:-build-bench}"
for run in $(seq 10); do
  "$build/bench/bench_gui_startup" "$(date +%s%N)" | tr '\n' ' '
  echo
done
