#!/usr/bin/env bash
# Each program in the download may import only DLLs that every Windows 10 and 11 has: a C++
# runtime, winpthread or a debug CRT beside it would be missing on the user's machine.
#
#   imports.sh OBJDUMP ZIP
set -euo pipefail
objdump=$1 zip=$2

# Lower case. msvcrt.dll and the api-ms-win-crt sets are the C runtimes Windows ships.
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll "
system_dlls+=" oleaut32.dll shell32.dll shlwapi.dll ucrtbase.dll user32.dll uxtheme.dll version.dll "

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

failed=0
programs=("$work"/*.exe)
((${#programs[@]} == 2)) || {
  echo "expected two programs in $zip, found: ${programs[*]##*/}"
  exit 1
}
for program in "${programs[@]}"; do
  echo "${program##*/}:"
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
  [[ -n $dlls ]] || {
    echo "  no import table found"
    failed=1
  }
  while read -r dll; do
    lower=${dll,,}
    if [[ $system_dlls == *" $lower "* || $lower == api-ms-win-crt-*.dll ]]; then
      echo "  $dll"
    else
      echo "  $dll   <- not part of every Windows"
      failed=1
    fi
  done <<<"$dlls"
done
exit $failed
