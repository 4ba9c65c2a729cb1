#!/usr/bin/env bash
# Sets up a fresh machine, builds the game and starts it in the staged game directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build=${OSSARIC_BUILD_DIR:-build}
cd "$build/game"
if [ -x ../src/desktop/app/ossaric ]; then
  exec ../src/desktop/app/ossaric
fi
# Until the desktop window exists, replay a short demo game on the headless host.
exec ../tools/script/ossaric-script ../../tests/scripts/demo.script
