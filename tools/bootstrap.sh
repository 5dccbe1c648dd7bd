#!/usr/bin/env bash
# Brings a fresh Debian 12 machine (as root) to where Savorum builds and its tests run.
# Idempotent: a second run only checks.
set -euo pipefail

packages=(
  cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine32:i386 wine64 xvfb xauth
  unixodbc odbcinst libodbc2:i386 libodbcinst2:i386
  libodbc2 libsqliteodbc libsqliteodbc:i386 sqlite3
  odbc-mdbtools odbc-mdbtools:i386
  # Ships the small Access file that the Access source test reads.
  fp-units-db
  googletest fonts-liberation fonts-wine ghostscript
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
