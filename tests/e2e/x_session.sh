# Shared by the tests that play the real program on a virtual X display: sourced after `work`
# is set. Starts a window manager, and ends it and the program (in `pid`) on exit; `fail` tells
# why, with what the program printed, and keeps `work` for a look.
pid=""
wm=""
keep=${OSSARIC_E2E_KEEP:-0}
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  if [ "$keep" = 1 ]; then echo "left in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
  keep=1
  exit 1
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# Sets `wid` to the game's window, waiting up to twenty seconds for it.
find_window() {
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Ossaric$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && return 0
    sleep 0.2
  done
  return 1
}

# True when what made the program end with a failure is only a leak report of the sanitizer
# build in which the game is on no stack: every frame of every leaked block, direct or
# indirect, lies in the desktop's libraries. Qt's session-bus thread now and then ends after the
# leak check has begun, and its thread record is then reported; the stack stops in Qt, which
# keeps no frame pointers, so no suppression can name it. A leak with a frame of the program or
# of its sound module anywhere in the report, and any other sanitizer error, still fails.
desktop_leak_only() {
  [ -f "$1" ] && grep -q 'ERROR: LeakSanitizer: detected memory leaks' "$1" || return 1
  grep 'ERROR: ' "$1" | grep -qv 'ERROR: LeakSanitizer' && return 1
  grep -q 'runtime error:' "$1" && return 1
  awk '
    /^Direct leak of/ { leaks++ }
    /^ *#[0-9]+ / {
      if (($0 ~ /\/src\// && $0 !~ /libsanitizer/) || $0 ~ /ossaric(-sound\.so)?\+0x/) ours = 1
    }
    END { exit !(leaks > 0 && !ours) }' "$1" || return 1
  echo "note: passed over a leak at exit that lies wholly in the desktop's libraries:"
  grep -A3 '^Direct leak of' "$1" | sed 's/^/  program: /'
}

# Waits up to $1 fifths of a second for the program (in `pid`) to end, with status 0; false when
# it is still running.
wait_exit() {
  local status
  for _ in $(seq "$1"); do
    kill -0 "$pid" 2>/dev/null || {
      status=0
      wait "$pid" || status=$?
      [ "$status" = 0 ] || desktop_leak_only "$work/program.log" ||
        fail "the program exited with status $status"
      pid=""
      return 0
    }
    sleep 0.2
  done
  return 1
}
