#!/usr/bin/env bash
# The project's one version number reaches the version resource of each program in the
# download, which Windows shows in its properties.
#
#   version_resources.sh WINDRES ZIP VERSION
set -euo pipefail
windres=$1 zip=$2 version=$3

# Windows' version fields always hold four numbers.
IFS=. read -r -a parts <<<"$version"
while ((${#parts[@]} < 4)); do parts+=(0); done
numbers="${parts[0]}, ${parts[1]}, ${parts[2]}, ${parts[3]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

failed=0
for program in pinmover.exe pinmover-cli.exe; do
  resources=$("$windres" -J coff -O rc -i "$work/$program")
  for expected in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
      "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
      "VALUE \"OriginalFilename\", \"$program\""; do
    if ! grep -qF "$expected" <<<"$resources"; then
      echo "$program: no '$expected' in its version resource"
      failed=1
    fi
  done
done
((failed)) || echo "both programs carry version $version"
exit $failed
