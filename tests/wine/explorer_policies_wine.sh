#!/bin/sh
# The Explorer policies panel's OK on a copy of a prefix that Wine made, then Wine's own
# reg reads the policy values back: REG_DWORD 1, the all-drives mask, and the value the
# panel switched off gone.
# Usage: explorer_policies_wine.sh WINE WINESERVER KORRELIN SCENARIO PREFIX
set -eu
wine=$1 wineserver=$2 korrelin=$3 scenario=$4 source=$5
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY=
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# A copy, so that the shared prefix stays as Wine made it for the other tests.
cp -a "$source" "$WINEPREFIX"

# KORRELIN_DATA_DIR (the folder of Korrelin.bmp) comes from the caller.
mkdir "$work/cwd"
(cd "$work/cwd" && QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/xdg-data" \
   "$korrelin" --prefix "$WINEPREFIX" --play "$scenario")

policies='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies'
query() {
  "$wine" reg query "$@" </dev/null 2>/dev/null | tr -d '\r'
}
explorer=$(query "$policies\\Explorer")
system=$(query "$policies\\System")
status=0
expect_line() { # TEXT LINE
  if ! printf '%s\n' "$1" | grep -qxF -- "$2"; then
    echo "wine reg query: expected the line '$2' in:" >&2
    printf '%s\n' "$1" >&2
    status=1
  fi
}
expect_line "$explorer" "    NoRun    REG_DWORD    0x1"
expect_line "$explorer" "    NoDrives    REG_DWORD    0x3ffffff"
expect_line "$system" "    DisableRegistryTools    REG_DWORD    0x1"
if printf '%s\n' "$explorer" | grep -q "NoClose"; then
  echo "wine reg query: NoClose should have been deleted:" >&2
  printf '%s\n' "$explorer" >&2
  status=1
fi
exit $status
