#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those that are missing.
# Safe to run on every `make`: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ make python3 googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-tidy
  g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  libz-mingw-w64-dev
  wine wine32:i386 wine64
  xvfb xauth x11-apps imagemagick
  pulseaudio pulseaudio-utils zlib1g-dev
  nsis
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

how="  dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-deps: not root, so they can't be installed here. As root, run:" >&2
  echo "$how" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -q >/tmp/install-deps-update.log 2>&1 ||
   ! apt-get install -y -q --no-install-recommends "${missing[@]}" >/tmp/install-deps.log 2>&1; then
  echo "install-deps: the package install failed (see /tmp/install-deps-update.log and /tmp/install-deps.log)." >&2
  echo "install-deps: missing: ${missing[*]}. To install them by hand, as root:" >&2
  echo "$how" >&2
  exit 1
fi
