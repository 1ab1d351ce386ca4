#!/usr/bin/env bash
# Runs one Windows program under Wine and passes its output and exit code on:
#   wine-run.sh --world win32|win64 --prefix DIR -- program.exe [args...]
# This is the test tree's cross-compiling emulator. Inside a session (wine-session.sh) it uses
# that session's display and server; outside one it opens a session around itself. The
# program's output goes to files, never through a pipe (Wine's helper processes inherit the
# handles and outlive the program), and the program gets a time limit (KB_WINE_TIMEOUT, s).
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
args=("$@")
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
  { echo "usage: wine-run.sh --world win32|win64 --prefix DIR -- program [args...]" >&2; exit 2; }

source "$here/wine-env.sh" "$world" "$prefix"
if [[ "${KB_WINE_SESSION:-}" != "$WINEPREFIX" ]]; then
  exec "$here/wine-session.sh" --world "$world" --prefix "$prefix" -- "$here/wine-run.sh" "${args[@]}"
fi

out=$(mktemp -d "${TMPDIR:-/tmp}/wine-run.XXXXXX")
timeout -k 10 "${KB_WINE_TIMEOUT:-240}" "$KB_WINE" "$@" </dev/null >"$out/stdout" 2>"$out/stderr"
rc=$?
cat "$out/stdout"
# Wine's own chatter about missing sound devices and the like is kept out of the test output.
grep -v -E '^(ALSA lib|[0-9a-f]{4}:(fixme|err|warn):|wine: configuration in )' "$out/stderr" >&2
rm -rf "$out"
[[ $rc -eq 124 || $rc -eq 137 ]] && echo "wine-run: $1 timed out" >&2
exit $rc
