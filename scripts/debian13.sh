#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command in a Debian 13 root of ours, from the project's folder:
#   debian13.sh COMMAND [ARGUMENT...]
# The root is made once with debootstrap, from the mirror apt already uses,
# and cached under ~/.cache/towers/ (or $XDG_CACHE_HOME/towers/), so every
# clone on the machine shares it and what was installed in it stays. The
# project is mounted at /project inside. Each run has its own mount and PID
# namespaces: when the command ends, whatever it left running (a virtual
# display, a stray program) ends with it and its mounts vanish.
set -eu
project="$(cd "$(dirname "$0")/.." && pwd)"
. "$project/scripts/lib/common.sh"
cache=$(towers_cache_dir)
root="$cache/debian13-root"
suite=trixie

[ "$#" -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENT...]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap, chroot and mounts need root" >&2; exit 1; }

# The sites of the host's Debian entries, by label (Debian, Debian-Security).
site() {
    apt-get indextargets --format '$(LABEL) $(SITE)' 'Identifier: Packages' |
        awk -v label="$1" '$1 == label { print $2; exit }'
}

make_root() {
    command -v debootstrap >/dev/null || {
        apt-get update >&2
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >&2
    }
    mirror=$(site Debian)
    security=$(site Debian-Security)
    [ -n "$mirror" ] || { echo "$0: no Debian mirror in apt's sources" >&2; exit 1; }
    part="$root.part"
    rm -rf --one-file-system "$part"
    started=$(date +%s)
    # In a mount namespace of its own, nothing debootstrap mounts outlives it.
    unshare --mount --propagation "$propagation" -- debootstrap --variant=minbase --include=ca-certificates \
        "$suite" "$part" "$mirror" >&2
    {
        echo "Types: deb"
        echo "URIs: $mirror"
        echo "Suites: $suite $suite-updates"
        echo "Components: main"
        echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
        if [ -n "$security" ]; then
            echo
            echo "Types: deb"
            echo "URIs: $security"
            echo "Suites: $suite-security"
            echo "Components: main"
            echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
        fi
    } >"$part/etc/apt/sources.list.d/debian.sources"
    : >"$part/etc/apt/sources.list"
    # The host's settings for reaching the mirror (a proxy, an old snapshot's dates).
    apt-config dump | grep -E '^Acquire::(https?::Proxy|Check-Valid-Until|Check-Date)' \
        >"$part/etc/apt/apt.conf.d/99towers-host" || true
    # Packages may not start services: they would run in the host's network.
    printf '#!/bin/sh\nexit 101\n' >"$part/usr/sbin/policy-rc.d"
    chmod 0755 "$part/usr/sbin/policy-rc.d"
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$part/etc/hosts"
    mkdir -p "$part/project"
    mv "$part" "$root"
    echo "Made the Debian 13 root in $root in $(( $(date +%s) - started )) s" >&2
}

# unshare makes the new namespace's mounts private, which it cannot do where
# / is no mount point, inside a chroot (a fresh-root check): whoever made that
# chroot made its mounts private already, so they are left as they are.
propagation=private
mountpoint -q / || propagation=unchanged

mkdir -p "$cache"
exec 9>"$cache/debian13-root.lock"
flock 9
[ -d "$root" ] || make_root
# The host's own certificate authorities, such as a network's proxy for HTTPS
# needs, trusted in the root too: npm's registry is reached over HTTPS.
local_authorities=/usr/local/share/ca-certificates
if [ -d "$local_authorities" ] && ! diff -r -q "$local_authorities" "$root$local_authorities" >/dev/null 2>&1; then
    rm -rf "$root$local_authorities"
    cp -r "$local_authorities" "$root$local_authorities"
    chroot "$root" update-ca-certificates >/dev/null
fi
flock -u 9
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# Process 1 of the new namespaces mounts what a system needs, then enters.
exec unshare --mount --propagation "$propagation" --pid --fork --kill-child -- sh -c '
    root=$1
    project=$2
    shift 2
    mount -t proc proc "$root/proc"
    mount --bind -o ro /sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount --bind /dev/shm "$root/dev/shm"
    mount --bind "$project" "$root/project"
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        ${CI:+CI=$CI} sh -c "cd /project && exec \"\$@\"" sh "$@"
' sh "$root" "$project" "$@"
