# Installs the Debian packages the build, the game, the tests and the package
# need, when any is missing, then builds into build/ (everything, or the
# targets named after --target). Sourced by play, test and package.
set -euo pipefail

LUMIDEX_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libpulse-dev qt6-gtk-platformtheme qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core fonts-dejavu-extra
  python3 python3-pil librsvg2-bin
  xvfb xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox pipewire pipewire-pulse wireplumber dbus-x11
  desktop-file-utils appstream
  build-essential debhelper lintian
  openbox at-spi2-core python3-pyatspi orca speech-dispatcher-espeak-ng
  libxcb1-dev libxcb-damage0-dev libxcb-shape0-dev mutter
)

ensure_packages() {
  local missing=()
  for p in "${LUMIDEX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_lumidex() {
  local top=$1
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$top/build" "${@:2}"
}
