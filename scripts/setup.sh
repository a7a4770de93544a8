#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, where it is missing.
set -euo pipefail
packages=(g++ make cmake qt6-base-dev libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core xvfb xauth xdotool xclip
          libxcb1-dev dpkg-dev appstream desktop-file-utils
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libarchive-dev zlib1g-dev libxml2-dev libsqlite3-dev python3
          libkeduvocdocument-dev qtbase5-dev poppler-utils
          lintian devscripts man-db mandoc btrfs-progs faketime
          qt6-charts-dev libqt6opengl6-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
