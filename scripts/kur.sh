#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Quick when everything is already there. qpdfview is the PDF viewer the
# program shows its results and its help in (one of those it looks for; a
# small Qt program that takes the file as its one argument and ends on the
# signal the program closes it with).
set -euo pipefail
PAKETLER=(cmake ninja-build g++ pkg-config libgtest-dev googletest qt6-base-dev qt6-svg-dev
  libqt6sql6-sqlite qt6-translations-l10n libsqlite3-dev libhpdf-dev fonts-dejavu-core
  libxcb1-dev libx11-dev xvfb xauth poppler-utils zlib1g-dev imagemagick libsuitesparse-dev
  libopenblas0-serial qpdfview)
eksik=()
for p in "${PAKETLER[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || eksik+=("$p")
done
if [ ${#eksik[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${eksik[@]}"
fi
