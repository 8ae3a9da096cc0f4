#!/usr/bin/env bash
# Sets up a Debian 12 machine for Kadelo, builds it, and then runs the program or the tests.
#
#   scripts/kadelo.sh run     install what is missing, build, start the program
#   scripts/kadelo.sh test    install what is missing, build, run the whole test suite
#
# Environment: BUILD_DIR (default build), KADELO_SANITIZE=ON for an ASan+UBSan build.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libjpeg62-turbo-dev libmagick++-6.q16-dev
  fonts-liberation fonts-dejavu-core xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils poppler-utils desktop-file-utils appstream dpkg-dev file
)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

install_missing

build_dir=${BUILD_DIR:-$here/build}
sanitize=${KADELO_SANITIZE:-OFF}
bench=ON
[ "$sanitize" = ON ] && bench=OFF   # timings under sanitizers mean nothing
cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKADELO_SANITIZE="$sanitize" \
  -DKADELO_BUILD_BENCH="$bench"
cmake --build "$build_dir" -j "$(nproc)"

if [ "$mode" = run ]; then
  # The program finds its catalogue (data/) and Help.hlp below the folder it starts in.
  cd "$here"
  exec "$build_dir/app/kadelo"
fi

export QT_QPA_PLATFORM=offscreen QT_ENABLE_HIGHDPI_SCALING=0
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
