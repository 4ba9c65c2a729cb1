#!/usr/bin/env bash
# The real program in German and in Japanese on a virtual X display: the menus' About box and the
# help window open with the titles of the language, and --help answers in German; in every other
# language of the catalogues the window opens and F1 opens the help window under that language's
# title. Screenshots of each language are left in OSSARIC_E2E_SHOTS when that is set.
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

# Waits up to four seconds for a window titled exactly $1 (compared as text: xdotool's own
# search does not match titles beyond ASCII); sets `found`.
wait_for() {
  found=""
  for _ in $(seq 20); do
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
      if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ]; then
        found=$w
        return 0
      fi
    done
    sleep 0.2
  done
  return 1
}

# open_in LANGUAGE: a fresh game directory's window in LANGUAGE, its setup screen photographed.
open_in() {
  local language=$1
  rm -rf "$work/game" "$work/config"
  mkdir -p "$work/game"
  cp -r "$gamedir/." "$work/game/"
  rm -f "$work/game/bexil.ini"
  (cd "$work/game" && exec env LANGUAGE="$language" LANG=en_US.UTF-8 "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "$language: no window titled Ossaric appeared"
  sleep 1
  import -window "$wid" "$work/$language-setup.png"
}

# play LANGUAGE HELP_TITLE ABOUT_TITLE
play() {
  local language=$1 title=$2 about=$3
  open_in "$language"
  # The Help menu by its mnemonic (Alt+H in every language), its second item: About. A press on
  # the marble (where it does nothing) gives the window the keyboard first.
  local tries=0
  until [ -n "${found:-}" ] && [ "$(xdotool getwindowname "$found" 2>/dev/null)" = "$about" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 3 ] || fail "$language: no About box titled \"$about\""
    xdotool mousemove --window "$wid" 60 200 click 1 2>/dev/null || true
    sleep 0.5
    xdotool key alt+h 2>/dev/null || true
    sleep 1
    xdotool key Down Return 2>/dev/null || true
    wait_for "$about" || true
  done
  import -window root "$work/$language-about.png"
  xdotool key --window "$found" Return 2>/dev/null || true
  sleep 0.5
  xdotool key --window "$wid" F1 2>/dev/null || true
  wait_for "$title" || fail "$language: no help window titled \"$title\""
  sleep 1
  import -window "$found" "$work/$language-help.png"
  echo "ok: $language: About box \"$about\", help window \"$title\""
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  sleep 1  # the window manager lets go of the closed windows
}

# Names in three scripts typed into the real window's fields, kept in bexil.ini as their UTF-8
# and shown again after a restart.
names() {
  rm -rf "$work/game" "$work/config"
  mkdir -p "$work/game"
  cp -r "$gamedir/." "$work/game/"
  rm -f "$work/game/bexil.ini"
  (cd "$work/game" && exec env LANGUAGE=en LANG=en_US.UTF-8 "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "names: no window titled Ossaric appeared"
  sleep 1
  # The scene fills the window below the menu bar, at the scale the window opened with.
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  local bar=$((HEIGHT - 434))
  # A slow build (the sanitizers) takes its time over each press: the field must have the caret
  # before the letters come, and a letter xdotool types through a borrowed key must be read
  # before the key is given back.
  click() { xdotool mousemove --window "$wid" "$1" $(($2 + bar)) click 1; sleep 1; }
  click 404 230  # three players
  local field=1 name
  for name in "Jörg" "Иван" "太郎"; do
    case $field in 1) click 360 285 ;; 2) click 467 285 ;; 3) click 360 313 ;; esac
    xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    xdotool type --delay 250 "$name"
    sleep 1
    field=$((field + 1))
  done
  sleep 0.5
  import -window "$wid" "$work/names-setup.png"
  xdotool key ctrl+q
  wait_exit 50 || fail "names: the game did not end on Ctrl+Q"
  pid=""
  local ini=$work/config/ossaric/bexil.ini
  [ -f "$ini" ] || ini=$(find "$work" -name bexil.ini | head -1)
  local got
  got=$(python3 -c 'import sys; d=open(sys.argv[1],"rb").read(); print("|".join(d[8+9*k:17+9*k].split(b"\0")[0].decode("utf-8") for k in range(3)))' "$ini")
  [ "$got" = "Jörg|Иван|太郎" ] || fail "names: bexil.ini holds \"$got\", not Jörg|Иван|太郎"
  echo "ok: names typed in three scripts, kept as UTF-8: $got"
}

# glance LANGUAGE HELP_TITLE: the setup screen, then F1's help window under its title.
glance() {
  local language=$1 title=$2
  open_in "$language"
  local tries=0
  while :; do
    tries=$((tries + 1))
    [ "$tries" -le 3 ] || fail "$language: no help window titled \"$title\""
    xdotool mousemove --window "$wid" 60 200 click 1 2>/dev/null || true
    sleep 0.3
    xdotool key --window "$wid" F1 2>/dev/null || true
    wait_for "$title" && break
  done
  import -window "$found" "$work/$language-help.png"
  echo "ok: $language: help window \"$title\""
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  sleep 0.5
}

names
play de "Ossaric-Hilfe" "Über Ossaric"
play ja "Ossaric ヘルプ" "Ossaric について"
# Every other catalogue, with the help window's title as it translates it.
catalogues=$(dirname "$(realpath "$0")")/../../translations
while IFS='|' read -r language title; do
  glance "$language" "$title"
done < <(python3 - "$catalogues" <<'PY'
import glob, html, os, re, sys
for path in sorted(glob.glob(os.path.join(sys.argv[1], "ossaric_*.ts"))):
    language = os.path.basename(path)[len("ossaric_"):-len(".ts")]
    if language in ("de", "ja"):
        continue
    text = open(path, encoding="utf-8").read()
    context = re.search(r"<context>\s*<name>Help</name>(.*?)</context>", text, re.S).group(1)
    title = re.search(r"<source>Ossaric Help</source>.*?<translation>(.*?)</translation>", context, re.S)
    print(language + "|" + html.unescape(title.group(1)))
PY
)
if [ -n "${OSSARIC_E2E_SHOTS:-}" ]; then
  mkdir -p "$OSSARIC_E2E_SHOTS"
  cp "$work"/*.png "$OSSARIC_E2E_SHOTS/"
fi
