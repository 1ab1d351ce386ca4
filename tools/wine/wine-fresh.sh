#!/usr/bin/env bash
# Runs one Windows program in a Wine prefix made for this run alone, for tests that change the
# machine as a whole (a setup and its uninstaller) and compare it with how it was before:
#   wine-fresh.sh --world win32|win64 --prefix DIR -- program.exe [args...]
# DIR is removed and made again, the program runs in a session of its own (wine-session.sh)
# through wine-run.sh, and DIR is removed once the program has passed; a failed run keeps it,
# with its logs beside it, for a look.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
world=
prefix=
while [[ $# -gt 0 ]]; do
  case "$1" in
    --world) world=$2; shift 2 ;;
    --prefix) prefix=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[[ -n "$world" && -n "$prefix" && $# -gt 0 ]] ||
  { echo "usage: wine-fresh.sh --world win32|win64 --prefix DIR -- program [args...]" >&2; exit 2; }

rm -rf "$prefix" "$prefix.logs"
"$here/wine-session.sh" --world "$world" --prefix "$prefix" -- \
  "$here/wine-run.sh" --world "$world" --prefix "$prefix" -- "$@"
rc=$?
[[ $rc -eq 0 ]] && rm -rf "$prefix" "$prefix.logs"
exit $rc
