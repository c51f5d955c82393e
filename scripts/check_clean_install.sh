#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
# A check by hand, not part of the test command (it needs the network and a few minutes):
# makes a clean Debian 12 root with debootstrap from this machine's configured apt source,
# installs the .deb there with apt-get, opens the window under Xvfb inside it and takes a
# screenshot, then purges the package and checks that no file of it remains.
# Needs root. Usage: check_clean_install.sh PACKAGE.deb SCREENSHOT.png [ROOT_FOLDER]
# An existing ROOT_FOLDER made by an earlier run is reused rather than made again.
set -euo pipefail
deb=$(realpath "$1")
screenshot=$(realpath "$2")
root=${3:-$(mktemp -d /tmp/overselling-root.XXXXXX)}
source "$(dirname "$0")/packages.sh"
install_missing debootstrap imagemagick

# The archive this machine already uses, read at run time from its apt configuration.
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/*.sources \
    2>/dev/null | head -n 1)
if [ -z "$mirror" ]; then
    mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\).*/\2/p' \
        /etc/apt/sources.list 2>/dev/null | head -n 1)
fi
if [ ! -e "$root/etc/debian_version" ]; then
    debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

# The package alone first, so that what it needs comes from its own dependencies.
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -q "/tmp/$(basename "$deb")"
in_root dpkg -L overselling >"$root/tmp/overselling-files"
in_root apt-get install -y -q --no-install-recommends xvfb x11-apps

cat >"$root/tmp/open-window.sh" <<'EOF'
Xvfb :42 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
sleep 2
DISPLAY=:42 overselling >/tmp/program.log 2>&1 &
program=$!
sleep 4
running=0
kill -0 "$program" 2>/dev/null && running=1
DISPLAY=:42 xwd -root -silent >/tmp/window.xwd
kill "$program" 2>/dev/null
wait "$program"
kill "$xvfb"
wait "$xvfb"
cat /tmp/program.log
[ "$running" -eq 1 ]
EOF
if ! in_root sh /tmp/open-window.sh; then
    echo "the program did not stay open in the clean root" >&2
    exit 1
fi
convert "$root/tmp/window.xwd" -trim +repage "$screenshot"
echo "window opened; screenshot in $screenshot"

in_root apt-get purge -y -q overselling
left=()
while read -r path; do
    # Folders such as /usr/share/man/man1 stay when other packages own them too.
    if [ -e "$root$path" ] && ! in_root dpkg -S "$path" >/dev/null 2>&1; then
        left+=("$path")
    fi
done <"$root/tmp/overselling-files"
mapfile -t named < <(chroot "$root" find / -xdev -path /proc -prune -o -path /tmp -prune -o \
    -iname '*overselling*' -print)
if [ "${#left[@]}" -ne 0 ] || [ "${#named[@]}" -ne 0 ]; then
    printf 'left after purge: %s\n' "${left[@]}" "${named[@]}" >&2
    exit 1
fi
rm -f "$root/tmp/$(basename "$deb")" "$root/tmp/overselling-files"
echo "purged: no file of the package remains in $root"
