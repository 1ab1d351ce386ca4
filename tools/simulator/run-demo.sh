#!/usr/bin/env bash
# Plays a session file with kbsim inside the current Wine session and keeps what it printed:
#   run-demo.sh WORLD BUILD_TREE SESSION_FILE
# Run by `make demo` through wine-session.sh; the output also lands in BUILD_TREE/demo/. The
# session is played twice: with kbsim as the filter's reader, then with keyagent.exe as the reader.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
world=$1
tree=$2
session=$(realpath "$3")
[[ -f "$session" ]] || { echo "run-demo: no session file $3" >&2; exit 2; }

mkdir -p "$tree/demo"
log="$tree/demo/$(basename "$session" .txt).log"
# Wine sees the Unix root as drive Z:.
windows_session="Z:${session//\//\\}"
"$here/../wine/wine-run.sh" --world "$world" --prefix "$tree/wineprefix" -- "$tree/bin/kbsim.exe" "$windows_session" >"$log" 2>&1
rc=$?
# The same session once more with keyagent.exe as the reader of the filters' devices: what the
# agent did shows in its log.
{
  echo
  echo "=== the same session with keyagent.exe reading the filters ==="
} >>"$log"
"$here/../wine/wine-run.sh" --world "$world" --prefix "$tree/wineprefix" -- "$tree/bin/kbsim.exe" --agent "$windows_session" >>"$log" 2>&1
agent_rc=$?
[[ $rc -eq 0 ]] && rc=$agent_rc
cat "$log"
echo
echo "demo: played in the $world world; the session's output is kept in $log"
exit $rc
