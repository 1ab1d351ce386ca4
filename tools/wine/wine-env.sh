# Sourced by the Wine scripts: the environment every Wine process of a build tree runs with.
# Arguments: the world (win32: the i686 binaries; win64: their x86_64 twins) and the prefix.
# The loaders are named directly: /usr/bin/wine takes the 32-bit one whenever it is installed,
# even on a kernel that can't run it.
case "$1" in
  win32)
    export WINEARCH=win32
    export WINELOADER=/usr/lib/wine/wine ;;
  win64)
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64 ;;
  *) echo "wine-env: unknown world '$1' (win32 or win64)" >&2; exit 2 ;;
esac
export KB_WINE_WORLD=$1
export KB_WINE=$WINELOADER
export KB_WINESERVER=/usr/lib/wine/wineserver64
[[ -x $KB_WINESERVER ]] || KB_WINESERVER=/usr/lib/wine/wineserver32
export WINEPREFIX=$(realpath -m "$2")
export WINEDEBUG=${WINEDEBUG:--all}
# No Gecko or Mono install dialogs while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
