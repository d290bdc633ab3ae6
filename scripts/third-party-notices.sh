#!/usr/bin/env bash
# Writes THIRD-PARTY-NOTICES.txt for the Windows download: the licence texts of everything
# linked into its programs, as the installed Debian packages give them.
#
#   third-party-notices.sh OUTPUT
set -euo pipefail
(($# == 1)) || {
  echo "usage: $0 OUTPUT" >&2
  exit 2
}
output=$1

# What the programs link, and the package whose copyright file covers it. A library added to
# the Windows build adds a line here.
components=(
  "MinGW-w64 runtime and winpthreads|mingw-w64-x86-64-dev"
  "GCC runtime libraries (libgcc, libstdc++), with the GCC Runtime Library Exception|g++-mingw-w64-x86-64-posix"
  "CLI11|libcli11-dev"
  "JSON for Modern C++ (nlohmann/json)|nlohmann-json3-dev"
  "zlib|libz-mingw-w64-dev"
)

rule=$(printf '=%.0s' {1..72})
mkdir -p "$(dirname "$output")"
# UTF-8 with a byte order mark and CR LF, so that every Notepad shows the names in it right.
printf '\xEF\xBB\xBF' >"$output.new"
{
  echo "pinmover includes the following software. Their licences follow, each as the Debian"
  echo "package it was built from states it."
  echo
  for component in "${components[@]}"; do
    echo "- ${component%%|*}"
  done
  for component in "${components[@]}"; do
    package=${component##*|}
    copyright=/usr/share/doc/$package/copyright
    version=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null) || {
      echo "third-party-notices: $package is not installed (scripts/setup.sh installs it)" >&2
      exit 1
    }
    [[ -r $copyright ]] || {
      echo "third-party-notices: $copyright is missing" >&2
      exit 1
    }
    echo
    echo "$rule"
    echo "${component%%|*}"
    echo "Debian package $package $version"
    echo "$rule"
    echo
    cat "$copyright"
  done
} | sed 's/$/\r/' >>"$output.new"
mv "$output.new" "$output"
