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
exec ./wine-run "$top/build/SAVOR32.EXE" "$@"
