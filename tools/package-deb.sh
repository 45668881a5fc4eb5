#!/usr/bin/env bash
# Builds the Debian package from the install rules, checks it with lintian, installs it with
# dpkg, checks what landed and removes it again.
#   tools/package-deb.sh [BUILD_DIR, default build-deb]   (as root or through sudo)
# Leave the package installed with KEEP_INSTALLED=1. Needs dpkg-dev and lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-deb}"
run=()
[ "$(id -u)" -eq 0 ] || run=(sudo)

bash tools/install-deps.sh
"${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends dpkg-dev lintian >/dev/null

# Debian keeps the programs of games in /usr/games.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_BINDIR=games
cmake --build "$build" -j"${JOBS:-2}" --target dushihuolang tips compressed_docs
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/dushihuolang_*.deb)

echo "== dpkg -c $package"
dpkg -c "$package"
echo "== lintian"
lintian --tag-display-limit 0 "$package" 2>&1 | grep -v 'running with root privileges' || true
lintian "$package" 2>/dev/null | grep -q '^E:' && { echo "lintian reports errors" >&2; exit 1; }

echo "== dpkg -i"
"${run[@]}" dpkg -i "$package" || "${run[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -f -y
dpkg -L dushihuolang
test -x /usr/games/dushihuolang
grep -q '^Exec=dushihuolang$' /usr/share/applications/cn.dushihuolang.DushiHuolang.desktop
if [ "${KEEP_INSTALLED:-0}" != 1 ]; then
  echo "== dpkg -r"
  "${run[@]}" dpkg -r dushihuolang
  if dpkg -L dushihuolang >/dev/null 2>&1 && [ "$(dpkg-query -W -f='${Status}' dushihuolang)" != "deinstall ok config-files" ]; then
    echo "the package is still installed" >&2; exit 1
  fi
  for f in /usr/games/dushihuolang /usr/share/dushihuolang /usr/share/applications/cn.dushihuolang.DushiHuolang.desktop; do
    [ ! -e "$f" ] || { echo "$f is left after removal" >&2; exit 1; }
  done
  echo "removed cleanly"
fi
