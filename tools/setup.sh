# Shared by run.sh and test.sh: installs what the build needs from Debian's packages, only
# what is missing, and configures and builds one tree with Ninja.
# shellcheck shell=bash

VIMBLE_PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-liberation2 imagemagick
  exim4-daemon-light python3
  fluidsynth timgm6mb-soundfont
  libsdl2-dev libfluidsynth-dev libespeak-ng-dev espeak-ng-data
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  libssl-dev openssl libsecret-1-dev gnome-keyring dbus-daemon
  desktop-file-utils appstream shared-mime-info
)

vimble_install_packages() {
  local missing=()
  local pkg
  for pkg in "${VIMBLE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# vimble_build DIR [cmake options...]
vimble_build() {
  local dir="$1"
  shift
  cmake -S "$VIMBLE_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}
