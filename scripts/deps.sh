#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run Vemarill.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
    build-essential cmake qt6-base-dev libgl-dev \
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
    fonts-dejavu-core fonts-droid-fallback \
    libqt6sql6-sqlite libqt6sql6-psql postgresql \
    pkg-config libtesseract-dev tesseract-ocr-eng tesseract-ocr \
    file desktop-file-utils appstream shared-mime-info help2man "$@"
