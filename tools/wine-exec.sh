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
# A fault in the program ends it with a Windows status (5 for a page fault). Exit status 139 is
# Wine's own loader dying of SIGSEGV: 32-bit Wine 8 now and then does so while it ends a process
# (a thread still exiting when the process terminates), after the program has finished. That
# crash is Wine's, so the program runs again, at most twice.
for attempt in 1 2 3; do
  "$WINELOADER" "$@" >"$out" 2>&1 </dev/null
  rc=$?
  [ $rc -eq 139 ] && [ $attempt -lt 3 ] || break
  echo "wine-exec: Wine itself died of SIGSEGV (run $attempt); running the program again" >&2
done
cat "$out"
exit $rc
