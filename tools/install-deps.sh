#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing when all are present.
# With the argument "windows", also what the Windows build and its tests under Wine need.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei fontconfig
  clang libclang-rt-14-dev
  xvfb xauth x11-apps xdotool imagemagick openbox
  qt6-wayland sway wtype grim libwayland-dev
  desktop-file-utils appstream groff-base
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
)
if [ "${1:-}" = windows ]; then
  # The cross compiler, Qt's source package and what builds it, GoogleTest's source, Wine.
  packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev qt6-base-dev-tools
    googletest wine wine64 fonts-wine zip unzip)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1; then
  run=(sudo)
else
  echo "error: packages are missing (${missing[*]}) and neither root nor sudo is available to install them." >&2
  echo "Install them by hand with: apt-get install ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update
"${run[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
