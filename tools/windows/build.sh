#!/usr/bin/env bash
# Builds the game for 64-bit Windows on this machine and packs the folder a player unzips:
#   tools/windows/build.sh [native build folder] [windows build folder]
# The Qt for Windows comes from tools/windows/build-qt.sh (cached); the tips scrambler from the
# native build, since the cross-built one cannot run here. Prints the zip's path last.
set -euo pipefail
cd "$(dirname "$0")/../.."
native="${1:-build}"
windows="${2:-build-windows}"
jobs="${JOBS:-2}"

bash tools/install-deps.sh windows
qt="$(JOBS="$jobs" tools/windows/build-qt.sh | tail -n1)"

cmake -S . -B "$native" -G Ninja >/dev/null
cmake --build "$native" -j"$jobs" --target ScrambleTips

cmake -S . -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DSCRAMBLE_TIPS_COMMAND="$PWD/$native/app/ScrambleTips" ${CMAKE_FLAGS:-}
cmake --build "$windows" -j"$jobs"
ls "$PWD/$windows"/windows/dushihuolang-*-win64.zip
