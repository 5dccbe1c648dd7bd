#!/usr/bin/env bash
# Installs what the build needs, then builds every target. The tree in build/ is for the
# architecture this machine's Wine can run (see cmake/mingw.cmake); where that is not the
# 32-bit one, build/win32 holds the 32-bit SAVOR32.EXE and LUMBRA32.DLL as well.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/bootstrap.sh"

jobs="$(nproc)"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" -j"$jobs"

arch="$(sed -n 's/^SAVORUM_ARCH:STRING=//p' "$top/build/CMakeCache.txt")"
if [ "$arch" != "i686" ]; then
  cmake -S "$top" -B "$top/build/win32" -DSAVORUM_ARCH=i686 -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$top/build/win32" -j"$jobs" --target SAVOR32 LUMBRA32
fi
