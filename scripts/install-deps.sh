#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need (run as root).
set -euo pipefail
# fonts-liberation2: Liberation Sans has Arial's widths, so the printed reports' columns fit.
# qt6-base-dev also brings Qt Print Support (the printed reports) with its CUPS printer plugin.
# poppler-utils: pdftotext, with which the tests read the printed PDF reports back.
# clang-format-14: the test suite checks that every source file is formatted.
# qt6-svg-dev: layout drawings exported as SVG; libqt6sql6-psql, postgresql-15: the team database
# driver, and the throwaway server the tests start.
PKGS=(g++ cmake ninja-build pkg-config
      qt6-base-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
      libgl-dev libjpeg-dev fonts-dejavu-core fonts-liberation2
      libgtest-dev libgmock-dev libbenchmark-dev sqlite3 xauth poppler-utils
      clang-format-14 qt6-svg-dev libqt6sql6-psql postgresql-15)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
