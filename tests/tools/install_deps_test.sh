#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/install-deps on a machine where nothing it needs is installed, by its
# three ways: as root it runs apt-get itself; otherwise through sudo when
# there is sudo; with neither it prints the apt-get line to run as root and
# exits 1 without trying. apt-get, sudo, id and dpkg-query are stand-ins that
# log what they are asked.
set -euo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/tools/install-deps
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
log=$stubs/log

stub() {
    printf '#!%s\n%s\n' "$BASH" "$2" >"$stubs/bin/$1"
    chmod +x "$stubs/bin/$1"
}
mkdir "$stubs/bin"
for tool in grep env; do ln -s "$(command -v "$tool")" "$stubs/bin/$tool"; done
stub dpkg-query 'exit 1'
stub apt-get "echo \"apt-get \$*\" >>'$log'"
stub id 'echo "$FAKE_UID"'
failures=0
fail() {
    echo "install-deps, $1: $2" >&2
    [ -f "$log" ] && sed 's/^/    /' "$log" >&2
    failures=$((failures + 1))
}

# Runs install-deps for the group given (the tests' by default) with only the
# stand-ins on the PATH.
run() {
    rm -f "$log"
    status=0
    output=$(env -i PATH="$stubs/bin" FAKE_UID="$1" "$BASH" "$script" "${2:-test}" 2>&1) ||
        status=$?
}

run 0
[ $status -eq 0 ] || fail "as root" "exit $status: $output"
grep -q '^apt-get install .*qt6-base-dev.*qt6-wayland.*libgtest-dev' "$log" 2>/dev/null ||
    fail "as root" "apt-get was not asked for the packages"
# clang and LLVM are for the fuzzers alone.
! grep -q ' clang' "$log" 2>/dev/null || fail "the tests" "clang was asked for"
run 0 fuzz
grep -q '^apt-get install .* clang' "$log" 2>/dev/null || fail "the fuzzers" "clang was not asked for"
run 0 wayland
grep -q '^apt-get install .* sway wtype grim' "$log" 2>/dev/null ||
    fail "the Wayland check" "sway, wtype and grim were not asked for"

stub sudo "echo \"sudo \$*\" >>'$log'; exec \"\$@\""
run 1000
[ $status -eq 0 ] || fail "with sudo" "exit $status: $output"
grep -q '^sudo apt-get update' "$log" 2>/dev/null && grep -q '^sudo .*apt-get install .*libgtest-dev' "$log" ||
    fail "with sudo" "apt-get was not run through sudo"

rm "$stubs/bin/sudo"
run 1000
[ $status -eq 1 ] || fail "without sudo" "exit $status, not 1"
[ ! -f "$log" ] || fail "without sudo" "apt-get ran"
grep -q 'As root, run:' <<<"$output" || fail "without sudo" "no sentence saying why: $output"
grep -q '^  apt-get update && apt-get install -y -qq --no-install-recommends .*qt6-base-dev' \
    <<<"$output" || fail "without sudo" "no apt-get line to run: $output"

exit $((failures > 0))
