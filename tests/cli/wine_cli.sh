#!/usr/bin/env bash
# pinmover-cli.exe under Wine, as the command-line cases call a converter: its output and its
# messages stay apart, and Windows line ends read as the cases expect.
# PINMOVER_CLI_EXE names the program, PINMOVER_WINE_SESSION the running Wine session.
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine-common.sh"
wine_environment "$PINMOVER_WINE_SESSION"
wine=$(wine_loader)
# Wine's background programs may keep the files open after the program ends; they are only
# read once it has, and never waited on.
out=$(mktemp -p "$PINMOVER_WINE_SESSION" cli-out.XXXXXX)
err=$(mktemp -p "$PINMOVER_WINE_SESSION" cli-err.XXXXXX)
"$wine" "$PINMOVER_CLI_EXE" "$@" >"$out" 2>"$err" </dev/null
status=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
rm -f "$out" "$err"
exit $status
