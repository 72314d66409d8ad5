#!/usr/bin/env bash
# Gives the Wine prefix a drive that is full after 1 MiB, for the test of a write that fails
# part-way: a 1 MiB tmpfs mounted on FOLDER and linked as drive LETTER (e.g. t:).
#
#   small-drive.sh mount   FOLDER PREFIX LETTER
#   small-drive.sh unmount FOLDER PREFIX LETTER
#
# WINEPREFIX, when set, overrides PREFIX (as in cmake/wine-run.sh). Mounting needs root. When the
# drive cannot be made, "mount" still succeeds, writes the reason to FOLDER.unavailable and prints
# it; the test then skips and shows that reason. "unmount" undoes whatever "mount" did.
set -uo pipefail
action="$1"; folder="$2"; prefix="${WINEPREFIX:-$3}"; letter="$4"
link="$prefix/dosdevices/$letter"
note="$folder.unavailable"

unavailable() {
    echo "small drive unavailable: $*"
    echo "$*" >"$note"
    exit 0
}

undo() {
    # Only our own link is removed; only our own mount is unmounted.
    if [ -L "$link" ] && [ "$(readlink "$link")" = "$folder" ]; then rm -f "$link"; fi
    if mountpoint -q "$folder" 2>/dev/null; then
        umount "$folder" 2>/dev/null || umount -l "$folder"
    fi
    if [ -d "$folder" ]; then rmdir "$folder"; fi
    rm -f "$note"
}

case "$action" in
mount)
    undo  # a run that was killed may have left the drive behind
    [ "$(id -u)" = 0 ] || unavailable "mounting a tmpfs needs root (running as uid $(id -u))"
    mkdir -p "$folder" || unavailable "cannot create $folder"
    if ! output=$(mount -t tmpfs -o size=1m tmpfs "$folder" 2>&1); then
        rmdir "$folder"
        unavailable "mount -t tmpfs failed: $output"
    fi
    # The prefix must be made by Wine before the link goes in: Wine does not set up drives c: and
    # z: in a dosdevices folder that already exists, and its first start then hangs. (The
    # registry files are no sign of a made prefix: a running wineserver writes them late.)
    if [ ! -e "$prefix/dosdevices/c:" ]; then
        mkdir -p "$prefix"
        WINEPREFIX="$prefix" WINEDEBUG=-all wineboot </dev/null >/dev/null 2>&1
    fi
    if [ ! -d "$prefix/dosdevices" ]; then
        umount "$folder"; rmdir "$folder"
        unavailable "the Wine prefix $prefix could not be created"
    fi
    if [ -e "$link" ] || [ -L "$link" ]; then
        umount "$folder"; rmdir "$folder"
        unavailable "drive $letter already exists in $prefix/dosdevices"
    fi
    ln -s "$folder" "$link"
    echo "drive $letter: 1 MiB tmpfs on $folder"
    ;;
unmount)
    undo
    ;;
*)
    echo "usage: $0 mount|unmount FOLDER PREFIX LETTER" >&2
    exit 2
    ;;
esac
