#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only when some are missing.
# libxlsxwriter-dev writes the ledger's spreadsheet export; libzip-dev lets the tests open it again.
# HarfBuzz (with its subsetter), fribidi and fontconfig shape, order and find faces for text beyond plain
# Latin in printed reports; fonts-droid-fallback is the small CJK face the print tests read back, and
# fonts-cantarell a small OpenType face with PostScript (CFF) outlines they embed and read back; qpdf checks
# the PDFs the tests write and poppler-utils' pdftotext reads them back as text. libsqliteodbc with unixODBC
# is a real ODBC driver for the tests of the ODBC path. qt6-translations-l10n holds Qt's own Italian words:
# the file dialogs and standard buttons an Italian user meets ("Annulla", "Salva"), which a test reads.
# Qt Charts draws the analysis chart (its CMake package needs Qt's OpenGL package, which installing without
# recommendations leaves out).
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config make
          qt6-base-dev qt6-qpa-plugins libqt6sql6-odbc libqt6sql6-sqlite
          libsqlite3-dev unixodbc-dev tdsodbc
          libpoppler-qt6-dev fonts-dejavu-core zlib1g-dev
          libxlsxwriter-dev libzip-dev
          libharfbuzz-dev libfribidi-dev libfontconfig-dev fonts-droid-fallback fonts-cantarell qpdf poppler-utils
          unixodbc libsqliteodbc qt6-translations-l10n
          qt6-charts-dev libqt6opengl6-dev
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
