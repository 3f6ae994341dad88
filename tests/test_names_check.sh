#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every ctest name is readable and the same after every build: letters, digits, '_', '.', '/'
# and '-' only (no parameter printout such as "# GetParam() = 40-byte object <6B-DA ...>"), and
# no parameterised case numbered instead of named ("/0"): give its suite a name generator.
#
#   test_names_check.sh BUILD_FOLDER
set -uo pipefail
names=$(cd "$1" && ctest -N | sed -n -E 's/^ *Test +#[0-9]+: //p')
[ -n "$names" ] || { echo "FAIL: ctest -N lists no tests"; exit 1; }
bad=$(grep -v -E '^[A-Za-z0-9_./-]+$' <<<"$names"; grep -E '/[0-9]+$' <<<"$names")
[ -z "$bad" ] || { echo "FAIL: test names that are not stable and readable:"; echo "$bad"; exit 1; }
echo "$(wc -l <<<"$names") test names checked"
