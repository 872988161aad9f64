# Shared by run.sh and test.sh: installs what the build needs from Debian's packages, only
# what is missing, and configures and builds one tree with Ninja.
# shellcheck shell=bash

VIMBLE_PACKAGES=(
  build-essential cmake ninja-build pkg-config git ccache mold
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libgl-dev fonts-liberation2 imagemagick
  fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji
  exim4-daemon-light python3 python3-vobject python3-markdown dnsmasq-base ffmpeg xdg-utils
  fluidsynth timgm6mb-soundfont
  libsdl2-dev libfluidsynth-dev libespeak-ng-dev espeak-ng-data
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  libssl-dev openssl libsecret-1-dev gnome-keyring dbus-daemon libicu-dev
  at-spi2-core python3-pyatspi xvfb
  desktop-file-utils appstream shared-mime-info
  qt6-wayland weston
  qt6-image-formats-plugins libheif-dev
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

# vimble_phase NAME: the work from here on belongs to NAME; when the script ends, however it
# ends, each phase's time is printed in the order they began.
VIMBLE_PHASES=()
VIMBLE_PHASE_STARTS=()
vimble_phase() {
  VIMBLE_PHASES+=("$1")
  VIMBLE_PHASE_STARTS+=("$(date +%s)")
  if [ ${#VIMBLE_PHASES[@]} -eq 1 ]; then
    trap vimble_print_phases EXIT
  fi
}
vimble_print_phases() {
  local status=$?
  local now i next total=0
  now=$(date +%s)
  echo
  echo "Time taken:"
  for i in "${!VIMBLE_PHASES[@]}"; do
    next=$now
    if [ $((i + 1)) -lt ${#VIMBLE_PHASES[@]} ]; then
      next=${VIMBLE_PHASE_STARTS[$((i + 1))]}
    fi
    local spent=$((next - VIMBLE_PHASE_STARTS[i]))
    total=$((total + spent))
    printf '  %-8s %3d min %02d s\n' "${VIMBLE_PHASES[$i]}" $((spent / 60)) $((spent % 60))
  done
  printf '  %-8s %3d min %02d s\n' total $((total / 60)) $((total % 60))
  return $status
}

# How many tests ctest runs side by side.
vimble_test_jobs() {
  nproc
}
