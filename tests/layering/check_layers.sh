#!/usr/bin/env bash
# The folders form layers, each using only those below it: an include that runs upwards, or a
# system header in a folder meant to build on every system, fails this check.
# Argument: the source root.
set -euo pipefail
cd "$1"

# From the lowest layer up; a folder may include its own layer and any earlier one. The two
# front ends share a layer but never include each other.
layers=(text platform problem unitfile formats engine wording ui/dialog "cli ui/win32")
declare -A rank=()
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

layer_of() {
  local path=$1 folder
  for folder in ui/dialog ui/win32 "${!rank[@]}"; do
    [[ $path == "$folder"/* ]] && { echo "$folder"; return 0; }
  done
  return 0
}

failures=0
while IFS= read -r source; do
  from=$(layer_of "$source")
  [[ -n $from ]] || continue
  while IFS= read -r included; do
    to=$(layer_of "$included")
    [[ -n $to ]] || continue
    if ((rank[$to] > rank[$from])) || { [[ $to != "$from" ]] && ((rank[$to] == rank[$from])); }; then
      echo "$source includes $included: $from may not use $to"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$source")
  # Only the system seams and the windows see a system's own headers.
  case $source in
    platform/posix/* | platform/win32/* | ui/win32/*) ;;
    *)
      if grep -nE '^#include <(windows|winbase|shellapi|commctrl|commdlg|objidl|xmllite|unistd|fcntl|iconv|expat|io|sys/[a-z_]+)\.h>' "$source"; then
        echo "$source: a system header outside the system seam"
        failures=$((failures + 1))
      fi
      ;;
  esac
done < <(git ls-files --cached --others --exclude-standard '*.h' '*.cpp' '*.inc')

((failures == 0)) && echo "every include runs downwards"
exit $((failures > 0))
