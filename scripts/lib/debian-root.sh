# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Fresh minimal Debian roots for scripts/check-release and scripts/check-package (sourced).
# Each release's root is made once with debootstrap into build-release/RELEASE/pristine,
# never entered, and copied afresh for every check.

# root_release NAME: fails unless NAME is a release these checks know.
root_release() {
    case $1 in
        bookworm | trixie) ;;
        *) echo "unknown release '$1': bookworm (Debian 12) or trixie (Debian 13)" >&2; return 2 ;;
    esac
}

# seconds_text SECONDS: 1234 -> 20 min 34 s
seconds_text() {
    if [ "$1" -ge 60 ]; then echo "$(($1 / 60)) min $(($1 % 60)) s"; else echo "$1 s"; fi
}

# root_fresh RELEASE DEST: DEST becomes a copy of the release's pristine root, made first
# when there is none. Prints how it was come by.
root_fresh() {
    local release=$1 dest=$2
    local pristine=$top/build-release/$release/pristine
    if [ ! -e "$pristine.done" ]; then
        rm -rf --one-file-system "$pristine" "$pristine.tmp"
        debootstrap --variant=minbase "$release" "$pristine.tmp" http://deb.debian.org/debian \
            > "$top/build-release/$release/debootstrap.log" 2>&1 ||
            { tail -n 20 "$top/build-release/$release/debootstrap.log" >&2; return 1; }
        mv "$pristine.tmp" "$pristine" && date -u '+%F %H:%M' > "$pristine.done" || return 1
        echo -n "made now with debootstrap --variant=minbase"
    else
        echo -n "a copy of the pristine minbase root made $(cat "$pristine.done") UTC"
    fi
    root_unmount "$dest" && rm -rf --one-file-system "$dest" && cp -a "$pristine" "$dest" &&
        cp /etc/resolv.conf "$dest/etc/resolv.conf"
}

# root_mount DEST: what programs in the root need of the running system.
root_mount() {
    local dest=$1
    mount -t proc proc "$dest/proc"
    mount --bind /sys "$dest/sys"
    mount --bind /dev "$dest/dev"
    mount --bind /dev/pts "$dest/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$dest/dev/shm"
}

# root_stop DEST: ends what still runs in the root (the program, a test's X server, a
# D-Bus daemon).
root_stop() {
    local dest p
    dest=$(realpath "$1")
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$dest" ] && kill -KILL "${p#/proc/}" 2>/dev/null
    done
    true
}

# root_unmount DEST: ends what still runs in the root, then unmounts all that root_mount
# mounted. Safe to call twice.
root_unmount() {
    local dest=$1
    [ -d "$dest" ] || return 0
    dest=$(realpath "$dest")
    root_stop "$dest"
    for m in dev/shm dev/pts dev sys proc; do
        mountpoint -q "$dest/$m" && { umount "$dest/$m" || umount -l "$dest/$m"; }
    done
    ! grep -q " $dest/" /proc/mounts || { echo "still mounted under $dest" >&2; return 1; }
}
