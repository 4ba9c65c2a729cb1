#!/usr/bin/env bash
# The same set-up, then the sanitizer build (address and undefined-behaviour sanitizers) in
# build-asan/ (or $OSSARIC_SANITIZE_BUILD_DIR) and every test under it, with a longer seeded
# fuzz run. LeakSanitizer passes over what the desktop libraries keep until exit
# (tests/sanitizer/lsan.supp); a leak of the game's own fails the run. The tests run with a
# session bus, as on a desktop, when one can be started.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${OSSARIC_SANITIZE_BUILD_DIR:-build-asan}
# The build itself runs the test programs to list their tests.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSSARIC_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
bus=()
command -v dbus-run-session >/dev/null && bus=(dbus-run-session --)
"${bus[@]}" ctest --test-dir "$build" --output-on-failure -j2 --timeout 600
