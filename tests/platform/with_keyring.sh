#!/bin/sh
# Runs a test program on a private session bus with a private keyring, unlocked, as the
# desktop's secret service; nothing of the user's own keyring is seen or touched.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache"
export XDG_CONFIG_HOME="$home/config"
dbus-run-session -- sh -c '
  printf "keyring" | gnome-keyring-daemon --unlock --components=secrets >/dev/null 2>&1
  VIMBLE_TEST_KEYRING=1 "$@"' sh "$@"
