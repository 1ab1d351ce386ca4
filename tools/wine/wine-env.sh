# Sourced by the Wine scripts: the environment every Wine process of a build tree runs with.
# Argument: the prefix directory.
export WINEPREFIX=$(realpath -m "$1")
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Gecko or Mono install dialogs while the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
