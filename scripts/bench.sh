#!/usr/bin/env bash
# Builds the benchmarks and runs them: drawing time per animation step, per whole throw and per
# full repaint, each beside the pacing it is shown at (pacing_% must stay under 5).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${OSSARIC_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ossaric-bench -j2 >/dev/null
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
"$build/bench/ossaric-bench" --benchmark_min_time=0.2 "$@"
