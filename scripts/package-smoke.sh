#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program through its launcher
# under Xvfb from an unrelated folder, and checks that the main window appears with the
# shipped catalogue: after start the program's working folder is the thumbnail folder of
# the first category, which it only reaches by finding the categories and building the strip.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}

(cd "$build_dir" && cpack -G DEB)
package=$(ls "$build_dir"/kadelo_*.deb | head -n 1)
echo "Installing $package"
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$package"

desktop-file-validate /usr/share/applications/cz.kadelo.Kadelo.desktop
appstreamcli validate --no-net /usr/share/metainfo/cz.kadelo.Kadelo.metainfo.xml

workdir=$(mktemp -d)
cd "$workdir"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$workdir"' EXIT
sleep 1

kadelo &
program=$!
title="Kadelo - Česelka - 1.0"
for _ in $(seq 1 100); do
  if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then
    break
  fi
  sleep 0.2
done
if ! xwininfo -root -tree | grep -q "\"$title\""; then
  echo "FAIL: no window \"$title\"" >&2
  exit 1
fi
sleep 1
cwd=$(readlink "/proc/$program/cwd")
echo "Installed program's working folder: $cwd"
case "$cwd" in
  /usr/share/kadelo/data/*/Náhled) echo "OK: main window shown with the shipped categories" ;;
  *) echo "FAIL: the catalogue was not found (working folder $cwd)" >&2; exit 1 ;;
esac

kill -TERM "$program"
wait "$program" 2>/dev/null || true
