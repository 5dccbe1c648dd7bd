#!/usr/bin/env bash
# Installs, builds, and runs every test under Wine.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/build.sh"
cd "$top/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
