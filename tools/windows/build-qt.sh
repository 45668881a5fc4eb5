#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (shared DLLs) from the Debian source of the Qt installed on this
# machine, with the mingw-w64 cross compiler, and keeps it in a cache outside the clone keyed by
# the version and the options, so that a second build costs nothing.
# Prints the install folder on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

version="$(dpkg-query -W -f='${source:Version}' libqt6core6)"   # e.g. 6.4.2+dfsg-10
options=(-xplatform win32-g++ -qt-host-path /usr -release -shared -no-icu -no-dbus -no-opengl
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-xml
  -no-feature-concurrent -nomake examples -nomake tests)
# The Debian source lacks the tablet header the Windows platform plugin would otherwise need.
cmake_options=(-DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake"
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DFEATURE_tabletevent=OFF)
compiler="$(x86_64-w64-mingw32-g++-posix --version | head -n1)"
# Where the clone lies plays no part: the toolchain file is named without its folder.
key="$(printf '%s\n' "$version" "$compiler" "${options[@]}" "${cmake_options[@]/#-DCMAKE_TOOLCHAIN_FILE=*/toolchain}" |
  sha256sum | cut -c1-12)"
cache="${QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dushihuolang}"
prefix="$cache/qt-${version%%+*}-win64-$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# The source package, from the same archive as the machine's binary packages: a deb-src entry is
# made from each of the machine's own deb entries. apt checks the signatures and the hashes.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    case "$f" in *-src.sources) continue ;; esac
    grep -q '^Types:.*\bdeb\b' "$f" || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$f" | "${as_root[@]}" tee "${f%.sources}-src.sources" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list |
      "${as_root[@]}" tee /etc/apt/sources.list.d/from-list-src.list >/dev/null
  fi
  "${as_root[@]}" apt-get update -qq
fi

work="$cache/work-$key"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq "qt6-base=$version")
src="$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -n1)"

mkdir -p "$work/build"
cd "$work/build"
"$src/configure" -prefix "$prefix" "${options[@]}" -- "${cmake_options[@]}" >configure.log 2>&1 \
  || { tail -n 40 configure.log >&2; exit 1; }
cmake --build . --parallel "${JOBS:-2}" >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
cmake --install . >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }

# Checked before it is kept: the pieces the game needs are all there.
for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
  plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll; do
  [ -f "$prefix/$f" ] || { echo "error: the Qt for Windows lacks $f" >&2; exit 1; }
done
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
