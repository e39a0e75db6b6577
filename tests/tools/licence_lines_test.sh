#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file and script of the project names its licence in an
# SPDX-License-Identifier line at its head (within its first three lines, after
# a #! line or an XML declaration). Source files are known by their ending;
# scripts by their #! line. Data (save files, translations, pictures, text
# documents) is left out.
set -euo pipefail
cd "$(dirname "$0")/../.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard)
else
    files=$(find . -path './build*' -prune -o -path './obj-*' -prune -o -type f -print | sed 's|^\./||')
fi

missing=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    case $file in
        *.cpp | *.h | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.in | *.py | *.sh | *.qrc | \
            *.desktop | *.6 | .clang-format | debian/rules) ;;
        *) head -c 2 "$file" | grep -q '^#!' || continue ;;
    esac
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: '; then
        echo "$file: no SPDX-License-Identifier line at its head" >&2
        missing=$((missing + 1))
    fi
done <<<"$files"
[ $missing -eq 0 ]
