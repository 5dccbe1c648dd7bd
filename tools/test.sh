#!/usr/bin/env bash
# Installs, builds, and runs every test under Wine.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/build.sh"
# No lower floor or feature folder includes the top floor; no lower floor includes a feature.
python3 "$top/tools/check-floors.py" "$top"
cd "$top/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
