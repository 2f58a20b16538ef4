#!/usr/bin/env bash
# Runs the main job on the demo base: until the scan lands, the benchmarks.
set -euo pipefail
build=$1
"$build/src/cli/vantorelle-cli" --help || true
if [ -x "$build/bench/vantorelle-bench" ]; then
  "$build/bench/vantorelle-bench" --benchmark_min_time=0.05
fi
