#!/usr/bin/env bash
# The program's options without any display: --help and --version answer on standard output with
# status 0, a wrong option or a missing directory is told on standard error with status 2.
# usage: options.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fails=0
check() {  # check WHAT WANTED_STATUS PATTERN_ON_STDOUT PATTERN_ON_STDERR -- ARGS...
  local what=$1 want=$2 outpat=$3 errpat=$4
  shift 5
  local out err status
  out=$("$program" "$@" 2>/tmp/ossaric-options-err.$$)
  status=$?
  err=$(cat /tmp/ossaric-options-err.$$)
  rm -f /tmp/ossaric-options-err.$$
  if [ "$status" -ne "$want" ] || ! grep -q -- "$outpat" <<<"$out" || ! grep -q -- "$errpat" <<<"$err"; then
    echo "FAIL: $what: status $status (wanted $want)"
    echo "  stdout: $out"
    echo "  stderr: $err"
    fails=$((fails + 1))
  else
    echo "ok: $what"
  fi
}
check "--help" 0 "--config-dir <dir>" "^$" -- --help
check "--help's usage line" 0 "^Usage: ossaric \[options\]" "^$" -- --help
check "-h" 0 "--data-dir <dir>" "^$" -- -h
check "--version" 0 "^Ossaric $version\$" "^$" -- --version
check "an unknown option" 2 "^$" "Unknown option 'no-such-option'" -- --no-such-option
check "an unknown short option" 2 "^$" "Try 'ossaric --help'" -- -q
check "a stray argument" 2 "^$" "Unexpected argument 'extra'" -- extra
check "--data-dir without its directory" 2 "^$" "Missing value after '--data-dir'" -- --data-dir
# Qt's own options are passed over (--version answers before they would matter).
check "a Qt option beside --version" 0 "^Ossaric $version\$" "^$" -- -platform offscreen --version
# A data directory that does not exist stops the start before any window.
check "a missing data directory" 2 "^$" "no data directory '/nonexistent/ossaric-data'" -- \
  -platform offscreen --data-dir /nonexistent/ossaric-data
# Directories named with a byte that is no text (0xFF) are taken as they are: the program starts
# (and is ended here after two seconds) instead of saying the directory does not exist.
odd=$(mktemp -d "/tmp/ossaric-options-$(printf '\377')-XXXXXX")
run=$(mktemp -d /tmp/ossaric-options-run-XXXXXX)
HOME=$odd XDG_DATA_HOME=$odd XDG_RUNTIME_DIR=$run timeout 2 "$program" -platform offscreen \
  --data-dir "$odd" --config-dir "$odd" >/dev/null 2>"$odd.err"
status=$?
if [ "$status" -ne 124 ]; then
  echo "FAIL: --data-dir and --config-dir naming a directory with the byte 0xFF: status $status"
  sed 's/^/  stderr: /' "$odd.err"
  fails=$((fails + 1))
else
  echo "ok: --data-dir and --config-dir naming a directory with the byte 0xFF"
fi
rm -rf "$odd" "$odd.err" "$run"
[ "$fails" -eq 0 ]
