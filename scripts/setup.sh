#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test pinmover, then checks that every
# command the project runs is there; quiet and quick when everything is there already.
set -euo pipefail
source "$(dirname "$0")/required-commands.sh"

# What the build and the tests use without running it by name (libraries, headers, fonts, the
# 64-bit Wine, xauth for xvfb-run by hand), and the packages of every required command.
packages=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  libexpat1-dev libproj-dev zlib1g-dev libz-mingw-w64-dev
  mingw-w64-x86-64-dev libclang-rt-dev pkg-config
  wine64 xauth fonts-ipafont-gothic fonts-wine
  "${required_commands[@]##*:}"
)
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)

declare -A installed=()
while read -r status package; do
  if [[ $status == ?i ]]; then installed[$package]=1; fi
done < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  [[ -n ${installed[$package]:-} ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# A package that no longer brings a command, or a command listed with the wrong package, stops
# the setup here rather than failing a test later for a reason that points elsewhere.
absent=$(missing_commands "${required_commands[@]%:*}")
if [[ -n $absent ]]; then
  echo "setup: these commands are missing although their packages are installed:" >&2
  sed 's/^/  /' <<<"$absent" >&2
  exit 1
fi
