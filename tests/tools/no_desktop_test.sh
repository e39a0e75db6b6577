#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started where no desktop can show it (no X11 or Wayland display), the game
# says itself, first and in the desktop's language, that it needs a desktop
# session, and exits with status 3 rather than Qt's abort.
# Usage: no_desktop_test.sh PATH-TO-BAILCREST
set -uo pipefail
game=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failures=0

# Runs the game with a bare environment and the given variables.
start() {
    env -i HOME="$home" XDG_RUNTIME_DIR="$home" "$@" "$game" >/dev/null 2>"$home/errors"
    status=$?
}
expect() {
    local what=$1 pattern=$2
    if [ $status -ne 3 ] || ! head -n 1 "$home/errors" | grep -q -- "$pattern"; then
        echo "$what: exit $status, stderr:" >&2
        sed 's/^/    /' "$home/errors" >&2
        failures=$((failures + 1))
    fi
}

start LANG=C.UTF-8
expect "no display" "^Bailcrest needs a desktop session (X11 or Wayland)"
start LANG=C.UTF-8 QT_QPA_PLATFORM=wayland
expect "no Wayland display" "^Bailcrest needs a desktop session (X11 or Wayland)"
start LANGUAGE=hi LANG=C.UTF-8
expect "no display, in Hindi" "(X11 .* Wayland)"
! head -n 1 "$home/errors" | grep -q '^Bailcrest needs' || {
    echo "no display, in Hindi: said in English" >&2
    failures=$((failures + 1))
}

exit $((failures > 0))
