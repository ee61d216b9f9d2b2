#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need,
# when any is missing. As root it runs apt-get; otherwise it prints the line.
set -eu

packages="cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-liberation2 \
xvfb xauth xdotool imagemagick x11-utils tesseract-ocr libx11-dev \
dpkg-dev file desktop-file-utils appstream libbenchmark-dev"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' \
        || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y$missing" >&2
    exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
