#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# Installs the build into a scratch prefix and validates what a desktop needs from it, then
# builds the .deb, checks its contents and dependencies, and holds it against Debian policy
# with lintian: any error or warning fails.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
desktop-file-validate "$scratch/usr/share/applications/org.example.overselling.desktop"
appstreamcli validate --no-net --explain \
    "$scratch/usr/share/metainfo/org.example.overselling.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null
deb=$(ls "$scratch"/deb/overselling_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/overselling \
    ./usr/share/applications/org.example.overselling.desktop \
    ./usr/share/metainfo/org.example.overselling.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/org.example.overselling.png \
    ./usr/share/man/man1/overselling.1.gz \
    ./usr/share/man/bg/man1/overselling.1.gz \
    ./usr/share/doc/overselling/copyright \
    ./usr/share/doc/overselling/changelog.gz; do
    if ! grep -q " $path\$" <<<"$contents"; then
        echo "package lacks $path" >&2
        exit 1
    fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 \
    qt6-translations-l10n; do
    if ! grep -qE "(^|, )$package( |,|\$)" <<<"$depends"; then
        echo "package does not depend on $package: $depends" >&2
        exit 1
    fi
done

# The changelog's newest entry is the version being packaged.
version=$(dpkg-deb -f "$deb" Version)
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/overselling/changelog.gz |
    gzip -dc)
if [ "${changelog%%$'\n'*}" != "overselling ($version) unstable; urgency=medium" ]; then
    echo "the changelog's newest entry is not version $version" >&2
    exit 1
fi

# Lintian says on every run that it runs as root; that line is not a finding.
status=0
findings=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$findings" || true
if [ "$status" -ne 0 ]; then
    echo "lintian: errors or warnings in $(basename "$deb")" >&2
    exit 1
fi

echo "installed files validate; $(basename "$deb") holds them and depends on: $depends; lintian: no error, no warning"
