#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only when some are missing.
# libxlsxwriter-dev writes the ledger's spreadsheet export; libzip-dev lets the tests open it again.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config make
          qt6-base-dev qt6-qpa-plugins libqt6sql6-odbc libqt6sql6-sqlite
          libsqlite3-dev unixodbc-dev tdsodbc
          libpoppler-qt6-dev fonts-dejavu-core zlib1g-dev
          libxlsxwriter-dev libzip-dev
          xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
