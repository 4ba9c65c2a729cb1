#!/usr/bin/env bash
# Runs a command that must fail under the sanitizers with a report matching a pattern:
#   expect_report.sh PATTERN COMMAND...
set -u
pattern=$1
shift
out=$("$@" 2>&1)
status=$?
if [ "$status" -eq 0 ]; then
  echo "expected a sanitizer failure, but '$*' passed"
  exit 1
fi
if ! grep -q -- "$pattern" <<<"$out"; then
  printf 'no "%s" in the output of %s:\n%s\n' "$pattern" "$*" "$out"
  exit 1
fi
echo "reported and failed (status $status): $pattern"
