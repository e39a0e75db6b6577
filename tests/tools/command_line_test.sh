#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game answers --help and --version on standard output and exits 0 with
# no display at all (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), in the
# desktop's language. Usage: command_line_test.sh PATH-TO-BAILCREST
set -uo pipefail
game=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failures=0

# Runs the game with a bare environment and the given variables.
ask() {
    output=$(env -i HOME="$home" "$@" 2>"$home/errors")
    status=$?
}
expect() {
    local what=$1 pattern=$2
    if [ $status -ne 0 ] || ! grep -q -- "$pattern" <<<"$output" || [ -s "$home/errors" ]; then
        echo "$what: exit $status, output:" >&2
        echo "$output" | sed 's/^/    /' >&2
        sed 's/^/    (stderr) /' "$home/errors" >&2
        failures=$((failures + 1))
    fi
}

ask "$game" --version
expect "--version" "^Bailcrest [0-9][0-9.]*$"
for option in --help -h; do
    ask "$game" "$option"
    expect "$option" "^  -v, --version"
done
ask LANGUAGE=hi LANG=C.UTF-8 "$game" --help
expect "--help in Hindi" "क्रिकेट"

exit $((failures > 0))
