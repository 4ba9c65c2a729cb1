#!/usr/bin/env bash
# The real program in German and in Japanese on a virtual X display: the help window opens with
# the title and the page of the language, a throw's notice box speaks it, and --help answers in
# German. Screenshots of each language are left in OSSARIC_E2E_SHOTS when that is set.
# usage: languages.sh PROGRAM GAME_DIR
set -euo pipefail
program=$(realpath "$1")
gamedir=$(realpath "$2")

# --help needs no display.
help=$(env -u DISPLAY LANGUAGE=de LANG=de_DE.UTF-8 "$program" --help)
grep -q "Ein Würfelspiel für einen bis vier Spieler" <<<"$help" || { echo "FAIL: --help is not in German:"; echo "$help"; exit 1; }
grep -q "^Optionen:" <<<"$help" || { echo "FAIL: Qt's own lines of --help are not in German:"; echo "$help"; exit 1; }
echo "ok: --help in German"

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool openbox import xwininfo; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
  OSSARIC_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d /tmp/ossaric-e2e-XXXXXX)
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
# shellcheck source=x_session.sh
source "$(dirname "$(realpath "$0")")/x_session.sh"

# Waits up to four seconds for a window named $1; sets `found`.
wait_for() {
  found=""
  for _ in $(seq 20); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && return 0
    sleep 0.2
  done
  return 1
}

# play LANGUAGE HELP_TITLE BOX_TITLE
play() {
  local language=$1 title=$2 box=$3
  rm -rf "$work/game" "$work/config"
  mkdir -p "$work/game"
  cp -r "$gamedir/." "$work/game/"
  rm -f "$work/game/bexil.ini"
  (cd "$work/game" && exec env LANGUAGE="$language" LANG=en_US.UTF-8 "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "$language: no window titled Ossaric appeared"
  sleep 1
  local height menu
  height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')
  menu=$((height - 434))
  import -window "$wid" "$work/$language-setup.png"
  # Out of the setup screen, then a throw, then the cup again three times: the last is refused
  # with the three-throw notice.
  xdotool mousemove --window "$wid" 446 $((398 + menu)) click 1
  sleep 1
  for _ in 1 2 3; do
    xdotool mousemove --window "$wid" 80 $((350 + menu)) click 1
    sleep 2
  done
  import -window "$wid" "$work/$language-sheet.png"
  xdotool mousemove --window "$wid" 80 $((350 + menu)) click 1
  wait_for "^$box\$" || fail "$language: no box titled \"$box\" after a fourth throw"
  import -window root "$work/$language-box.png"
  xdotool key --window "$found" Return
  sleep 0.5
  xdotool key --window "$wid" F1
  wait_for "^$title\$" || fail "$language: no help window titled \"$title\""
  sleep 1
  import -window "$found" "$work/$language-help.png"
  echo "ok: $language: help window \"$title\", notice \"$box\""
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

play de "Ossaric-Hilfe" "Höchstens drei Würfe"
play ja "Ossaric ヘルプ" "振れるのは3回まで"
if [ -n "${OSSARIC_E2E_SHOTS:-}" ]; then
  mkdir -p "$OSSARIC_E2E_SHOTS"
  cp "$work"/*.png "$OSSARIC_E2E_SHOTS/"
fi
