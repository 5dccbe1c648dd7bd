#!/usr/bin/env bash
# Makes the Wine prefix that tests and the program run in, once: no Mono or Gecko, no crash
# dialog, the null display driver (windows work without X) unless SAVORUM_SHOW_WINDOWS=1, and
# the fonts the program asks for by name mapped to installed ones. The environment comes from
# the build tree's wine-run.
set -eu
prefix="$1"

# The test printer is added by a program of the build, which may be built after the prefix
# was made: it has its own marker.
add_printer() {
  [ -f "$prefix/.savorum-printer" ] && return 0
  [ -n "${SAVORUM_PRINTER_SETUP:-}" ] && [ -f "$SAVORUM_PRINTER_SETUP" ] || return 0
  "$WINELOADER" "$SAVORUM_PRINTER_SETUP" >/dev/null 2>&1 </dev/null || return 0
  touch "$prefix/.savorum-printer"
}

# Drive D: is a CD-ROM drive over the build tree's cdrom folder, where tests put a disc's
# files. Wine takes a drive's type from the registry when its wineserver starts: the key and
# the link are made with the server down, and it is waited for before anything else runs.
add_cdrom() {
  [ -f "$prefix/.savorum-cdrom" ] && return 0
  mkdir -p "$prefix/../cdrom"
  ln -sfn "$(cd "$prefix/../cdrom" && pwd)" "$prefix/dosdevices/d:"
  local reg="$prefix/drive_c/savorum-cdrom.reg"
  printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"d:"="cdrom"\n' > "$reg"
  "$WINESERVER" -w
  "$WINELOADER" regedit /S 'C:\savorum-cdrom.reg' >/dev/null 2>&1 </dev/null
  rm -f "$reg"
  "$WINESERVER" -w
  touch "$prefix/.savorum-cdrom"
}

if [ -f "$prefix/.savorum-ready" ]; then
  add_cdrom
  add_printer
  exit 0
fi

rm -rf "$prefix"
"$WINELOADER" wineboot -i >/dev/null 2>&1 </dev/null

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
# This Wine build does not look in its own font folder by itself.
cp -n /usr/share/fonts/truetype/liberation/*.ttf "$fonts"/ 2>/dev/null || true
cp -n /usr/share/wine/fonts/*.tt? "$fonts"/ 2>/dev/null || true

reg="$prefix/drive_c/savorum.reg"
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"
"Arial"="Liberation Sans"
"MS Serif"="Liberation Serif"
"MS Sans Serif"="Liberation Sans"
"Courier New"="Liberation Mono"
REG
if [ "${SAVORUM_SHOW_WINDOWS:-0}" != 1 ]; then
  printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >> "$reg"
fi
"$WINELOADER" regedit /S 'C:\savorum.reg' >/dev/null 2>&1 </dev/null
rm -f "$reg"
"$WINESERVER" -w
touch "$prefix/.savorum-ready"
add_cdrom
add_printer
