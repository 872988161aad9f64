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

Built, with the resource library and the sample library. The editor window is not part of
this build yet; the core works through the command-line tool. To use the installed settings
(resource library, data directory) from another shell:

  export XDG_CONFIG_DIRS="$VIMBLE_ROOT/build/release/etc/xdg"

MSG
"$tool" 2>&1 | sed "s#^usage: vimble-tool#usage: $tool#" || true
cat <<MSG

Benchmarks: $VIMBLE_ROOT/build/release/bench/vimble-bench
MSG
