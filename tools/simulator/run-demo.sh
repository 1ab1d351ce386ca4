#!/usr/bin/env bash
# Plays a session file with kbsim inside the current Wine session, on a Wine desktop of its own
# with a taskbar and notification area, and keeps what it printed and the pictures it took:
#   run-demo.sh WORLD BUILD_TREE SESSION_FILE PICTURE_FOLDER
# Run by `make demo` through wine-session.sh. The session's output lands in
# PICTURE_FOLDER/<session>.log, the screen's pictures and index.html beside it.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
world=$1
tree=$2
session=$(realpath "$3")
pictures=$(realpath -m "$4")
[[ -f "$session" ]] || { echo "run-demo: no session file $3" >&2; exit 2; }

mkdir -p "$pictures"
rm -f "$pictures"/*.png "$pictures/index.html"
log="$pictures/$(basename "$session" .txt).log"
# Wine sees the Unix root as drive Z:.
windows() { local p=$1; echo "Z:${p//\//\\}"; }
# Wine's explorer makes a virtual desktop, a window of the display that holds every window of
# the programs started in it, with a taskbar whose notification area shows the tray's icons.
# kbsim runs in it, and so does every program it starts.
KB_WINE_TIMEOUT=${KB_WINE_TIMEOUT:-600} "$here/../wine/wine-run.sh" --world "$world" --prefix "$tree/wineprefix" -- \
  explorer "/desktop=kbdemo,1024x768" "$(windows "$tree/bin/kbsim.exe")" \
  --pictures "$(windows "$pictures")" "$(windows "$session")" >"$log" 2>&1
rc=$?
# explorer passes on its own exit code, not kbsim's: kbsim's last line says how the session went.
grep -q "^kbsim: the session played as written" "$log" || rc=1
cat "$log"
echo
echo "demo: played in the $world world; the session's output is kept in $log"
shopt -s nullglob
screens=("$pictures"/[0-9]*.png)
popups=("$pictures"/popup-*.png)
echo "demo: ${#screens[@]} pictures of the screen in $pictures"
echo "demo: the popup's states, one picture each (${#popups[@]}):"
for p in "${popups[@]}"; do echo "demo:   $p"; done
[[ -f "$pictures/index.html" ]] || { echo "demo: no page was written"; exit 1; }
echo "demo: the steps and their pictures: $pictures/index.html"
exit $rc
