# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors

# Debian packages by name, and the one way this project installs them. Sourced by the
# top-level scripts.

BUILD_PACKAGES=(cmake g++ make libboost-dev qt6-base-dev)
RUN_PACKAGES=(fonts-liberation2 qt6-translations-l10n)
TEST_PACKAGES=(git libgtest-dev libgmock-dev libbenchmark-dev xvfb imagemagick libx11-dev
    libxtst-dev dpkg-dev desktop-file-utils appstream clang libclang-rt-14-dev clang-tidy
    clang-format dbus-daemon dbus-bin at-spi2-core python3-pyatspi xdotool lintian)

# Installs the packages that are not installed yet; does nothing when all are.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}"
}
