#!/usr/bin/env bash
# Runs one Windows program under Wine; the environment comes from the build tree's wine-run.
#
# Wine's background processes inherit the program's stdout and outlive it, so a caller reading
# a pipe (ctest) would wait for them: the program writes to a file that is printed afterwards.
# One wineserver stays up a few seconds past the last program, so a run of many test programs
# pays Wine's start-up once.
set -u
here="$(cd "$(dirname "$0")" && pwd)"

flock -o "$WINEPREFIX.lock" bash -c '
  "$1" "$WINEPREFIX" || exit 1
  "$WINESERVER" -p10 >/dev/null 2>&1 </dev/null || true' _ "$here/make-prefix.sh" || exit 1

out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$WINELOADER" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
