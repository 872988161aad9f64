#!/usr/bin/env bash
# Installs what is missing, builds the program and shows how to use it.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

vimble_install_packages
vimble_build "$VIMBLE_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release
# The build's installed settings (resource library, data directory); user values override.
export XDG_CONFIG_DIRS="$VIMBLE_ROOT/build/release/etc/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"

tool="$VIMBLE_ROOT/build/release/app/vimble-tool"
cat <<MSG

Built. The editor window is not part of this build yet; the core works through the
command-line tool:

  $tool new greeting.kel          a new, empty project
  $tool dump greeting.kel         the project (or a .hdr / .zty library file) as JSON
  $tool resave in.kel out.kel     open a project and save it again
  $tool lzss e|d IN OUT           the project file codec

Benchmarks: $VIMBLE_ROOT/build/release/bench/vimble-bench
MSG
