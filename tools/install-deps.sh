#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need,
# when any of them is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  fonts-liberation2 poppler-utils
  python3-dbfread python3-xlrd libdbd-xbase-perl
  xvfb xauth x11-utils
  dpkg-dev file desktop-file-utils groff-base
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
