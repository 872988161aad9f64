#!/usr/bin/env bash
# Installs what is missing, builds the program and shows how to use it.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

vimble_install_packages
# The program, its data and the benchmarks; the tests are ./test.sh's.
vimble_build "$VIMBLE_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DVIMBLE_TESTS=OFF
# The build's installed settings (resource library, data directory); user values override.
export XDG_CONFIG_DIRS="$VIMBLE_ROOT/build/release/etc/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"

tool="$VIMBLE_ROOT/build/release/app/vimble-tool"
editor="$VIMBLE_ROOT/build/release/app/vimble"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<MSG

Built, with the resource library and the sample library. There is no display to open the
editor on (neither DISPLAY nor WAYLAND_DISPLAY is set). Run ./run.sh from a desktop session,
or give it a virtual screen:

  Xvfb :99 -screen 0 1024x768x24 &   # from the package xvfb
  DISPLAY=:99 ./run.sh

The core also works without a display through the command-line tool:

MSG
  "$tool" 2>&1 | sed "s#^usage: vimble-tool#usage: $tool#" || true
  exit 0
fi
echo "Starting the editor: $editor $*"
exec "$editor" "$@"
