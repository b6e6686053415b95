# Installs the Debian packages that a task needs, when any is missing, then
# builds into build/ (everything, or the targets named after --target).
# Sourced by play, test, package and the other scripts.
set -euo pipefail

# Building the game and playing it.
LUMIDEX_PACKAGES_play=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libpulse-dev libxcb1-dev qt6-l10n-tools qt6-translations-l10n gettext
  fonts-dejavu-core fonts-dejavu-extra
)
# The tests, the benchmarks and the screenshots: X and sound servers of their
# own, window managers, a screen reader, the resources' tools, the validators.
LUMIDEX_PACKAGES_test=(
  qt6-gtk-platformtheme
  python3 python3-pil librsvg2-bin
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox pipewire pipewire-pulse wireplumber dbus-x11
  desktop-file-utils appstream
  openbox at-spi2-core python3-pyatspi orca speech-dispatcher-espeak-ng
  libxcb-damage0-dev libxcb-shape0-dev mutter
)
# The Debian package: building it, checking it, testing it installed, and
# building it on a bare system (scripts/check-build-deps).
LUMIDEX_PACKAGES_package=(
  build-essential debhelper lintian autopkgtest debootstrap
)

# ensure_packages GROUP...: the groups above (play, test, package).
ensure_packages() {
  local missing=() group p
  for group in "$@"; do
    local -n wanted=LUMIDEX_PACKAGES_$group
    for p in "${wanted[@]}"; do
      dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
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
