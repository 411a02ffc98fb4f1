#!/usr/bin/env bash
# Set-up, build, start and test of Tarvex on Debian 12.
#   tools/tarvex.sh start   installs what is missing, builds and starts the program
#   tools/tarvex.sh test    installs what is missing, builds and runs every test
#                           (a normal build and one with AddressSanitizer and UBSan)
#   tools/tarvex.sh paket   installs what is missing, builds and packs build/tarvex_*.deb
set -euo pipefail

start="$PWD" # LOG.TXT is written where the program is started
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$wurzel"

pakete=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libmspack-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  qpdf poppler-utils xvfb xauth
  desktop-file-utils dpkg-dev file
  cups
)

einrichten() {
  local fehlend=()
  for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    if [ "$(id -u)" -ne 0 ]; then
      echo "Fehlende Pakete: bitte als root starten (apt-get)." >&2
      exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
  fi
}

node_einrichten() {
  # Node.js may come from Debian or from elsewhere with its own npm; only a missing one is
  # installed.
  if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "Node.js fehlt: bitte als root starten (apt-get)." >&2
      exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq nodejs npm
  fi
}

npm_einrichten() {
  # The independent ADIF reader the export tests check LOG.ADI with.
  if [ ! -d tests/export/adif-pruefer/node_modules/tcadif ]; then
    (cd tests/export/adif-pruefer && npm install --no-audit --no-fund --silent)
  fi
}

bauen() { # $1 build directory, further arguments go to cmake
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

case "${1:-}" in
  start)
    einrichten
    bauen build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_TESTS=OFF
    cd "$start"
    exec "$wurzel/build/src/app/tarvex"
    ;;
  paket)
    einrichten
    bauen build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_TESTS=OFF
    (cd build && cpack -G DEB)
    ;;
  test)
    einrichten
    node_einrichten
    npm_einrichten
    bauen build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_TESTS=ON -DTARVEX_BENCH=ON
    (cd build && ctest --output-on-failure -j"$(nproc)")
    bauen build-san -DCMAKE_BUILD_TYPE=Debug -DTARVEX_TESTS=ON -DTARVEX_SANITIZE=ON
    (cd build-san && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$(nproc)")
    ;;
  *)
    echo "Aufruf: $0 start | test | paket" >&2
    exit 2
    ;;
esac
