#!/usr/bin/env bash
# Installs, builds, and starts SAVOR32 under Wine.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/build.sh"
cd "$top/build"
# With a display, a prefix of its own that draws real windows; without one, the headless prefix.
if [ -n "${DISPLAY:-}" ]; then
  export SAVORUM_WINEPREFIX="$top/build/wineprefix-screen" SAVORUM_SHOW_WINDOWS=1
fi
# The build tree keeps the default cookbook in build/CookBks, not beside the program's folder
# where an installed program has it: without arguments, name it on the command line.
if [ $# -eq 0 ]; then
  set -- "Z:${top//\//\\}\\build\\CookBks\\Cookbook.TWS"
fi
exec ./wine-run "$top/build/SAVOR32.EXE" "$@"
