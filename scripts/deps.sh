#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the programs and the tests need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libx11-dev libpulse-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick faketime dbus libxdamage-dev strace
  at-spi2-core python3-pyatspi
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales
  desktop-file-utils libglib2.0-bin
  qt6-wayland sway grim jq libwayland-dev libwayland-bin libxkbcommon-dev
  dpkg-dev lintian appstream scdoc man-db
)
# `deps.sh fuzz` adds what `make fuzz` needs: clang and its sanitizer runtimes.
[[ ${1:-} == fuzz ]] && packages+=(clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
