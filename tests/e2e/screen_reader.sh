#!/usr/bin/env bash
# Plays the real program as a screen-reader user would, on a virtual X display with a window
# manager, a session bus and the accessibility bus: a whole one-player game by accessibility
# actions alone, then a game against the computer by keys alone (screen_reader.py tells how).
# usage: screen_reader.sh PROGRAM GAME_DIR
set -euo pipefail
program=$(realpath "$1")
gamedir=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
python=/usr/bin/python3

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool openbox dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
  if ! "$python" -c "import pyatspi" 2>/dev/null; then
    echo "SKIP: python3-pyatspi is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
  OSSARIC_E2E_DISPLAY=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM  # the real X display, not the test suites' offscreen one
export SDL_AUDIODRIVER=dummy
# Qt speaks to the accessibility bus without asking the desktop's settings first.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export LANG=C.UTF-8 LANGUAGE=
work=$(mktemp -d /tmp/ossaric-a11y-XXXXXX)
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
# shellcheck source=x_session.sh
source "$here/x_session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null || true; cleanup' EXIT
sleep 1

play() {
  mkdir -p "$work/$1"
  cp -r "$gamedir/." "$work/$1/"
  rm -f "$work/$1/bexil.ini"
  (cd "$work/$1" && exec "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "no window titled Ossaric appeared"
  xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
  sleep 0.5
  timeout 240 "$python" "$here/screen_reader.py" "$1" || fail "the $1 game went wrong"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

play actions
play keys
echo "PASS"
