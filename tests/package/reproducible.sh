#!/usr/bin/env bash
# Two package builds of one commit give the same bytes: the zip of this build tree is
# compared with one that scripts/package.sh makes in a fresh tree of only what the download
# needs. Its entries are sorted, with ASCII names.
#
#   reproducible.sh ZIP SECOND-BUILD-FOLDER
set -euo pipefail
zip=$1 tree=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

rm -rf "$tree"
"$root/scripts/package.sh" "$tree"
again=$tree/${zip##*/}
(cd "$tree" && sha256sum --check --quiet SHA256SUMS)

failed=0
names=$(cmake -E tar tf "$again")
if ! LC_ALL=C sort --check=quiet <<<"$names"; then
  echo "the entries are not sorted by name:"
  echo "$names"
  failed=1
fi
# Every unzip tool on a Japanese Windows shows ASCII names right.
if LC_ALL=C grep -n '[^ -~]' <<<"$names"; then
  echo "the names above are not ASCII"
  failed=1
fi
if cmp -s "$zip" "$again"; then
  echo "both builds: $(sha256sum "$zip" | cut -d' ' -f1)"
else
  echo "the two zips differ:"
  sha256sum "$zip" "$again"
  for archive in "$zip" "$again"; do
    echo "--- $archive"
    unpacked=$(mktemp -d)
    (cd "$unpacked" && cmake -E tar xf "$archive" && sha256sum -- *)
    rm -rf "$unpacked"
  done
  failed=1
fi
exit $failed
