#!/usr/bin/env bash
# Runs one command inside a Wine session of its own:
#   wine-session.sh [--fresh] --world win32|win64 --prefix DIR -- command [args...]
# - the prefix DIR is made once, for the world's binaries (i686 or x86_64), and reused; with
#   --fresh it is made anew for this command alone (for tests that change the machine as a
#   whole and compare it with how it was), and removed once the command has passed (a failed
#   run keeps it, with its logs beside it, for a look);
# - an Xvfb of its own on a free display, so that windows can be created;
# - one persistent wineserver for the whole command, so drivers and devices started by one
#   Wine process are still there for the next;
# - a PulseAudio daemon of its own with a null sink, in a private XDG_RUNTIME_DIR, so that
#   Wine's audio driver gives the programs a real mixer (without pulseaudio installed the
#   session runs with no mixer and says so);
# - on exit only the processes started here are ended, by their ids.
set -uo pipefail

world=
prefix=
fresh=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --fresh) fresh=1; shift ;;
    --world) world=$2; shift 2 ;;
    --prefix) prefix=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "wine-session: unknown option $1" >&2; exit 2 ;;
  esac
done
[[ -n "$world" && -n "$prefix" && $# -gt 0 ]] ||
  { echo "usage: wine-session.sh [--fresh] --world win32|win64 --prefix DIR -- command..." >&2; exit 2; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$world" "$prefix"

log_dir="$WINEPREFIX.logs"
[[ $fresh -eq 1 ]] && rm -rf "$WINEPREFIX" "$log_dir"
mkdir -p "$log_dir"
xvfb_pid=
server_pid=
pulse_pid=
pulse_dir=

stop_session() {
  if [[ -n "$server_pid" ]]; then
    # Ends the Wine processes of this prefix (ours alone: the prefix belongs to this tree).
    timeout 20 "$KB_WINESERVER" -k >/dev/null 2>&1 </dev/null
    for _ in $(seq 50); do kill -0 "$server_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  if [[ -n "$pulse_pid" ]]; then
    kill "$pulse_pid" 2>/dev/null
    wait "$pulse_pid" 2>/dev/null
  fi
  [[ -n "$pulse_dir" ]] && rm -rf "$pulse_dir"
  [[ $fresh -eq 1 && ${rc:-1} -eq 0 ]] && rm -rf "$WINEPREFIX" "$log_dir"
}
trap stop_session EXIT
trap 'exit 130' INT TERM

start_xvfb() {
  local n
  for n in $(seq 91 190); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$log_dir/xvfb.log" 2>&1 </dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
      if [[ -e /tmp/.X11-unix/X$n ]]; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=
  done
  echo "wine-session: no free X display for Xvfb" >&2
  return 1
}

# The sound server of this session alone: its socket lives in a runtime directory of its own,
# which every Wine process of the session finds through XDG_RUNTIME_DIR. Anonymous access, so
# no cookie of the user's is read or written.
start_pulseaudio() {
  if ! command -v pulseaudio >/dev/null; then
    echo "wine-session: pulseaudio is not installed; the programs get no mixer" >&2
    return 0
  fi
  pulse_dir=$(mktemp -d "${TMPDIR:-/tmp}/kb-pulse.XXXXXX") || return 1
  chmod 700 "$pulse_dir"
  export XDG_RUNTIME_DIR=$pulse_dir
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" \
    --log-target="file:$log_dir/pulseaudio.log" >/dev/null 2>&1 </dev/null &
  pulse_pid=$!
  for _ in $(seq 100); do
    if [[ -S "$pulse_dir/pulse/native" ]]; then
      export PULSE_SERVER="unix:$pulse_dir/pulse/native"
      return 0
    fi
    kill -0 "$pulse_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "wine-session: the PulseAudio daemon did not start, see $log_dir/pulseaudio.log" >&2
  return 1
}

make_prefix() {
  [[ -f "$WINEPREFIX/.kb-ready" ]] && return 0
  echo "wine-session: making the Wine prefix $WINEPREFIX (once)" >&2
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  if ! timeout 300 "$KB_WINE" wineboot -i >"$log_dir/wineboot.log" 2>&1 </dev/null; then
    echo "wine-session: wineboot failed, see $log_dir/wineboot.log" >&2
    return 1
  fi
  timeout 60 "$KB_WINESERVER" -w >/dev/null 2>&1 </dev/null
  grep -q "#arch=$WINEARCH" "$WINEPREFIX/system.reg" || {
    echo "wine-session: $WINEPREFIX is not a $WINEARCH prefix" >&2; return 1; }
  touch "$WINEPREFIX/.kb-ready"
}

start_xvfb || exit 1
make_prefix || exit 1
start_pulseaudio || exit 1
"$KB_WINESERVER" -f -p >"$log_dir/wineserver.log" 2>&1 </dev/null &
server_pid=$!
export KB_WINE_SESSION=$WINEPREFIX

"$@"
rc=$?
exit $rc
