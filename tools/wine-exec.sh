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
# A fault in the program ends it with a Windows status (5 for a page fault). Two failures are
# Wine's own, not the program's, so the program runs again, at most twice:
# - exit status 139, Wine's loader dying of SIGSEGV: 32-bit Wine 8 now and then does so while it
#   ends a process (a thread still exiting when the process terminates);
# - a failure with no output at all: the test programs flush their first line before any test
#   runs, so such a run never reached the program (seen rarely when many start at once).
wine_failed_the_run() {
  [ "$1" -eq 139 ] || { [ "$1" -ne 0 ] && [ ! -s "$out" ]; }
}

for attempt in 1 2 3; do
  "$WINELOADER" "$@" >"$out" 2>&1 </dev/null
  rc=$?
  wine_failed_the_run $rc && [ $attempt -lt 3 ] || break
  echo "wine-exec: Wine failed the run (status $rc, $(wc -c <"$out") bytes of output; run $attempt); running the program again" >&2
done
cat "$out"
exit $rc
