#!/usr/bin/env bash
# The game's start and close against a bare Qt window of the same size, started in turn, as on a
# real desktop: under Xvfb with a session bus and the accessibility bus running (as in every GNOME
# or KDE session), no screen reader listening. Prints the medians of RUNS (9) starts of each and
# the game's as multiples of the bare window's.
#
#   bench/start_on_desktop.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: start_on_desktop.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-9}
if [ -z "${OSSARIC_BENCH_SESSION:-}" ]; then
  for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "start on a desktop: $tool is missing" >&2; exit 2; }
  done
  OSSARIC_BENCH_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
config=$(mktemp -d)
trap 'kill $bus 2>/dev/null || true; rm -rf "$config"' EXIT
# The accessibility bus is up once it answers for its address.
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
cd "$build/game"
SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-disk} SDL_DISKAUDIOFILE=/dev/null QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1600x1100x24" \
  "$build/bench/ossaric-bench-start" --runs "$runs" --bare "$build/bench/ossaric-bench-bare" \
  "$build/src/desktop/app/ossaric" --config-dir "$config" 2>/dev/null
