#!/usr/bin/env bash
# Prints the Windows worlds whose binaries this machine can run under Wine, one per line:
#   wine-worlds.sh           the worlds the Wine suite runs in (win32 where it runs, then win64)
#   wine-worlds.sh --widest  the one world of the demo and the benchmarks (win32 where it runs)
# The 32-bit world needs a kernel that runs 32-bit code, which is probed by starting the 32-bit
# loader, never guessed from a kernel version. KB_WINE_WORLDS=win32, win64 or both forces the
# choice; a forced world the machine can't run is an error, never a silent skip.
set -uo pipefail

widest=0
[[ "${1:-}" == --widest ]] && widest=1

runs() { timeout 30 "$1" --version >/dev/null 2>&1 </dev/null; }
can32=0; runs /usr/lib/wine/wine && can32=1
can64=0; runs /usr/lib/wine/wine64 && can64=1

why32="this kernel runs no 32-bit code"
[[ -x /usr/lib/wine/wine ]] || why32="the 32-bit Wine loader (wine32) is not installed"
why64="the 64-bit Wine loader (wine64) does not run"

want=${KB_WINE_WORLDS:-}
case "$want" in
  "")
    worlds=()
    if [[ $can32 -eq 1 ]]; then worlds+=(win32); else echo "32-bit world skipped: $why32" >&2; fi
    if [[ $can64 -eq 1 ]]; then worlds+=(win64); else echo "64-bit world skipped: $why64" >&2; fi
    [[ ${#worlds[@]} -gt 0 ]] || { echo "wine-worlds: no Windows world runs on this machine" >&2; exit 1; } ;;
  win32) worlds=(win32) ;;
  win64) worlds=(win64) ;;
  both) worlds=(win32 win64) ;;
  *) echo "wine-worlds: KB_WINE_WORLDS=$want: use win32, win64 or both" >&2; exit 2 ;;
esac
for w in "${worlds[@]}"; do
  if [[ $w == win32 && $can32 -eq 0 ]]; then
    echo "wine-worlds: KB_WINE_WORLDS=$want asks for the 32-bit world, but $why32" >&2; exit 1
  fi
  if [[ $w == win64 && $can64 -eq 0 ]]; then
    echo "wine-worlds: KB_WINE_WORLDS=$want asks for the 64-bit world, but $why64" >&2; exit 1
  fi
done
if [[ $widest -eq 1 ]]; then
  echo "${worlds[0]}"
else
  printf '%s\n' "${worlds[@]}"
fi
