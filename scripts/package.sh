#!/usr/bin/env bash
# Makes the Windows download, pinmover-VERSION-win64.zip, and SHA256SUMS beside it, in
# BUILD-FOLDER (default build/package): a Windows build of the programs alone, packed by
# CPack. Two runs from the same commit give the same bytes.
#
#   package.sh [BUILD-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

tree=$(realpath -m "${1:-build/package}")
# Every time in the zip is the commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || {
  echo "package: no commit to take the time from; package a git checkout" >&2
  exit 1
}
export SOURCE_DATE_EPOCH

cmake --preset windows -B "$tree" -DPINMOVER_TESTS=OFF >/dev/null
rm -f "$tree"/pinmover-*-win64.zip "$tree/SHA256SUMS"
cmake --build "$tree" --target package
zips=("$tree"/pinmover-*-win64.zip)
(cd "$tree" && sha256sum "${zips[@]##*/}" >SHA256SUMS)
echo "package: ${zips[*]} ($(stat -c %s "${zips[@]}") bytes)"
echo "package: $(cat "$tree/SHA256SUMS")"
