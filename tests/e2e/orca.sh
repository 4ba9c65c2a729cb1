#!/usr/bin/env bash
# Plays a whole game against the computer by keys alone under a real screen reader (Orca) on a
# virtual X display with a session bus and the accessibility bus, and checks what it spoke on
# its own: every throw's faces, every score, the computer's throws and scores, the winner.
# What Orca spoke is kept in TRANSCRIPT_DIR/orca-LANG.txt; orca_game.py tells how.
# usage: orca.sh PROGRAM GAME_DIR TRANSCRIPT_DIR [LANG ...]   (default: en de)
set -euo pipefail
program=$(realpath "$1")
gamedir=$(realpath "$2")
mkdir -p "$3"
transcripts=$(realpath "$3")
shift 3
languages=("$@")
[ ${#languages[@]} -eq 0 ] && languages=(en de)
here=$(dirname "$(realpath "$0")")

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in orca xvfb-run xdotool openbox dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
  OSSARIC_E2E_DISPLAY=1 exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" \
    "$0" "$program" "$gamedir" "$transcripts" "${languages[@]}"
fi

unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d /tmp/ossaric-orca-XXXXXX)
# Orca keeps its settings and reads its customizations under XDG_DATA_HOME/orca.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME"
# Orca writes its debug log in blocks; line by line, the test can follow what it speaks.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
import orca.debug as _debug
if _debug.debugFile is not None:
    _name = _debug.debugFile.name
    _debug.debugFile.close()
    _debug.debugFile = open(_name, "a", buffering=1)
PY
# shellcheck source=x_session.sh
source "$here/x_session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
orca_pid=""
# Orca ends on SIGTERM, though not always: one that has not ended after five seconds is killed.
stop_orca() {
  [ -n "$orca_pid" ] || return 0
  kill "$orca_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$orca_pid" 2>/dev/null || true
  wait "$orca_pid" 2>/dev/null || true
}
trap 'stop_orca; kill $bus 2>/dev/null || true; cleanup' EXIT
sleep 1

for lang in "${languages[@]}"; do
  log=$work/orca-$lang.log
  LANGUAGE=$lang LANG=C.UTF-8 orca --replace --debug-file="$log" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  for _ in $(seq 100); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.1; done
  grep -q "SPEECH OUTPUT" "$log" || fail "Orca did not start (see $work/orca.out)"
  mkdir -p "$work/$lang"
  cp -r "$gamedir/." "$work/$lang/"
  rm -f "$work/$lang/bexil.ini"
  (cd "$work/$lang" && LANGUAGE=$lang LANG=C.UTF-8 exec "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "no window titled Ossaric appeared"
  xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
  sleep 1
  timeout 600 /usr/bin/python3 "$here/orca_game.py" "$lang" "$log" "$transcripts/orca-$lang.txt" ||
    fail "the game in $lang was not spoken as it should be (transcript: $transcripts/orca-$lang.txt)"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  stop_orca
  orca_pid=""
done
echo "PASS"
