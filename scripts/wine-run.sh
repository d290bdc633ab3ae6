#!/usr/bin/env bash
# Runs a program of the Windows build under Wine and returns its exit code: the build's
# CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs every Windows test through it.
#
#   wine-run.sh PROGRAM.exe [ARGUMENT...]
#
# It runs in the session that scripts/wine-session.sh started (the wine fixture of ctest):
# PINMOVER_WINE_SESSION names the session folder, or else it is the wine-session folder of
# the build tree that holds PROGRAM.
set -euo pipefail

(($# >= 1)) || {
  echo "usage: $0 PROGRAM.exe [ARGUMENT...]" >&2
  exit 2
}

build_tree_of() {
  local folder
  folder=$(dirname "$(realpath -m "$1")")
  while [[ $folder != / ]]; do
    [[ -f $folder/CMakeCache.txt ]] && { echo "$folder"; return; }
    folder=$(dirname "$folder")
  done
  return 1
}

session=${PINMOVER_WINE_SESSION:-}
if [[ -z $session ]]; then
  tree=$(build_tree_of "$1") || {
    echo "wine-run: $1 is not in a build tree; set PINMOVER_WINE_SESSION" >&2
    exit 2
  }
  session=$tree/wine-session
fi

source "$(dirname "$0")/wine-common.sh"
# Only the session's own server may serve the prefix: a program started without it would
# quietly start a wineserver that nobody stops.
if ! running "$session/wineserver.pid" wineserver || [[ ! -s $session/display ]]; then
  echo "wine-run: no Wine session in $session; start one with" >&2
  echo "  scripts/wine-session.sh start $session   (ctest does so through the wine fixture)" >&2
  exit 2
fi
wine_environment "$session"
wine=$(wine_loader)

# Background programs that Wine starts on demand (rpcss, the desktop's explorer, ...) inherit
# the output of the program that needed them and outlive it in the persistent session. Handed
# our own output, they would keep ctest waiting for its end for ever; so the program writes to
# a file in the session, and tail shows it as it grows until this script ends (the session's
# stop removes the files).
output=$(mktemp -p "$session" output.XXXXXX)
"$wine" "$@" >"$output" 2>&1 &
program=$!
# A test that times out or is interrupted ends the Windows program with it.
trap 'kill "$program" 2>/dev/null; exit 143' TERM INT
tail -n +1 -s 0.1 --pid=$$ -f "$output" &
status=0
wait "$program" || status=$?
exit "$status"
