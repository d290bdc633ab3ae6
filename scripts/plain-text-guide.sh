#!/usr/bin/env bash
# Turns the Japanese guide (Markdown) into README-ja.txt for the Windows download: plain text
# in UTF-8 with a byte order mark and CR LF line ends, which every Notepad shows right.
#
#   plain-text-guide.sh GUIDE.md OUTPUT
#
# The guide keeps to the Markdown this knows: headings, lists, code blocks, images, links,
# code spans and bold.
set -euo pipefail
(($# == 2)) || {
  echo "usage: $0 GUIDE.md OUTPUT" >&2
  exit 2
}
guide=$1 output=$2

mkdir -p "$(dirname "$output")"
printf '\xEF\xBB\xBF' >"$output.new"
# Code blocks are indented and left as they are; elsewhere the marks go. Pictures are left
# out: the text says what they show.
awk '
  /^```/ { code = !code; next }
  code { print "    " $0; next }
  /^!\[[^]]*\]\([^)]*\)$/ { picture = 1; next }
  picture && /^$/ { picture = 0; next }
  { picture = 0 }
  {
    gsub(/\*\*/, "")
    gsub(/`/, "")
    while (match($0, /\[[^]]*\]\([^)]*\)/)) {
      link = substr($0, RSTART, RLENGTH)
      split(link, parts, /\]\(/)
      text = substr(parts[1], 2)
      target = substr(parts[2], 1, length(parts[2]) - 1)
      shown = target ~ /^https?:/ ? text " (" target ")" : text
      $0 = substr($0, 1, RSTART - 1) shown substr($0, RSTART + RLENGTH)
    }
  }
  /^# / { title = substr($0, 3); print title; print "=================================================="; next }
  /^## / { print "■ " substr($0, 4); next }
  /^### / { print "◆ " substr($0, 5); next }
  /^- / { print "・" substr($0, 3); next }
  /^  - / { print "    ・" substr($0, 5); next }
  { print }
' "$guide" | sed 's/$/\r/' >>"$output.new"
mv "$output.new" "$output"
