#!/usr/bin/env bash
# Runs one command-line case in a fresh folder and compares what it printed and its exit
# status with the expectations kept beside it (CASE.stdout, CASE.stderr, CASE.exit).
# A case script gets $CLI (the converter) and $EXAMPLES (the bundled examples).
set -uo pipefail
cli=$1 case_script=$2 examples=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir "$work/case"

(cd "$work/case" && CLI=$cli EXAMPLES=$examples bash "$case_script" >../stdout 2>../stderr
 echo $? >../status)

failed=0
expected_status=$(cat "${case_script%.sh}.exit" 2>/dev/null || echo 0)
if [[ $(cat "$work/status") != "$expected_status" ]]; then
  echo "exit status $(cat "$work/status"), expected $expected_status"
  failed=1
fi
for stream in stdout stderr; do
  expected="${case_script%.sh}.$stream"
  [[ -f $expected ]] || continue
  if ! diff -u "$expected" "$work/$stream"; then
    echo "$stream differs"
    failed=1
  fi
done
if ((failed)); then
  echo "--- stdout"; cat "$work/stdout"; echo "--- stderr"; cat "$work/stderr"
fi
exit $failed
