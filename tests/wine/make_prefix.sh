#!/bin/sh
# Makes a fresh Wine prefix and waits until its wineserver has written the registry
# files and ended. Usage: make_prefix.sh WINE WINESERVER PREFIX
set -eu
wine=$1 wineserver=$2 prefix=$3
export WINEPREFIX="$prefix" WINEDEBUG=-all DISPLAY=
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
rm -rf "$prefix"
# Any program creates the prefix; reg is small and needs no display.
"$wine" reg query HKCU >/dev/null 2>&1 || true
"$wineserver" -w
for f in system.reg user.reg userdef.reg; do
  test -s "$prefix/$f" || { echo "wine did not create $prefix/$f" >&2; exit 1; }
done
