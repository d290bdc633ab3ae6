#!/usr/bin/env bash
# Odd and hostile inputs through the real converter: none may crash it, hang it or make it use
# more than a bounded amount of memory, and each gets a clear message. Prints what happened to
# each, with the peak memory. Arguments: the converter, the bundled examples, the memory bound
# in KiB, and how many points the large lists hold.
set -uo pipefail
cli=$1 examples=$2 bound_kib=$3 large=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() { echo "FAIL $case_name: $*"; failures=$((failures + 1)); }

# run NAME STATUS -- COMMAND...: runs the command with a time limit, measures its peak memory,
# checks its exit status and prints one line about it; its output is left in out and err.
run() {
  case_name=$1
  local status=$2
  shift 3
  /usr/bin/time -f '%M %e' -o time.txt timeout 30 "$@" >out 2>err
  local got=$?
  local peak seconds
  read -r peak seconds < <(tail -n 1 time.txt)
  printf '%-26s exit %-3s peak %6s KiB %6ss  %s\n' "$case_name" "$got" "$peak" "$seconds" \
    "$(head -c 160 err | tr '\n' ' ')"
  [[ $got != 124 ]] || fail "did not end within 30 s"
  [[ $got == "$status" ]] || fail "exit status $got, expected $status"
  ((peak <= bound_kib)) || fail "peak memory $peak KiB over $bound_kib KiB"
}

said() { grep -qF -- "$1" err || fail "stderr lacks: $1"; }
json() { jq -e "$1" out >/dev/null || fail "dump --json: not $1"; }

# A file of the maximum 32-bit size and more, all hole: the text ends at its first byte.
truncate -s 4G sparse.pmf
run sparse_4gib 1 -- "$cli" convert sparse.pmf
said "ERROR: ファイル sparse.pmf に変換できる地点がありません"
run sparse_4gib_dump 0 -- "$cli" dump --json sparse.pmf
json '.size == 4294967296 and .header_ok == false and (.points | length) == 0'
rm sparse.pmf

# Random bytes, the same every run: raw, then without NUL and 0xFF bytes so that all of it is
# read as text and its few lines that begin with '#' become points.
perl -e 'srand(7); print map { chr int rand 256 } 1 .. 1048576' >random.pmf
run random_bytes 1 -- "$cli" convert random.pmf
said "ERROR: ファイル random.pmf に変換できる地点がありません"
tr '\000\377' '##' <random.pmf >random_text.pmf
run random_text 0 -- "$cli" convert random_text.pmf
run random_text_dump 0 -- "$cli" dump --json random_text.pnt
json '.header_ok and (.points | length) == 44 and .problems == []'
run random_bytes_dump 0 -- "$cli" dump --json random.pmf
json '.header_ok == false and (.problems | length) > 0'
run random_bytes_dump_text 0 -- "$cli" dump random.pmf
rm random.pmf random_text.pmf random_text.pnt

# One record line of 100 MB, nearly all of it the name.
{ printf '#1#2#3#13712345#3539276#6#7#8#9#10#11#12#'; head -c 100000000 /dev/zero | tr '\0' A
  echo; } >line.pmf
run one_100mb_line 0 -- "$cli" convert line.pmf
run one_100mb_line_dump 0 -- "$cli" dump --json line.pnt
json '(.points | length) == 1 and .points[0].name == "AAAAAAAAAAAAAAAAAAA"'
rm line.pmf

# Long paths: 300 bytes in folders, a file name as long as a name may be, 5000 bytes.
folder=$(printf 'd%.0s' {1..60})
long_path=$folder/$folder/$folder/$folder/$(printf 'f%.0s' {1..51}).pmf
mkdir -p "${long_path%/*}" && cp "$examples/tour.pmf" "$long_path"
run path_300_bytes 0 -- "$cli" convert "$long_path"
[[ -s ${long_path%.pmf}.pnt ]] || fail "no output beside the list"
longest_name=$(printf 'n%.0s' {1..251}).pmf
cp "$examples/tour.pmf" "$longest_name"
run name_255_bytes 0 -- "$cli" convert "$longest_name"
segment=$(printf 'e%.0s' {1..200})
deep=$(printf "$segment/%.0s" {1..24})
# A path this long cannot be opened whole, so the list is put in place a folder at a time.
mkdir -p "$deep" && (for _ in {1..24}; do cd "$segment" || exit 1; done; cp "$examples/tour.pmf" x.pmf)
run path_5000_bytes 1 -- "$cli" convert "${deep}x.pmf"
said "pinmover-cli: 読み込みに失敗しました。"
run output_path_5000_bytes 1 -- "$cli" convert -o "${deep}x.pnt" "$examples/tour.pmf"
said "不正パス"

# Names Shift-JIS cannot hold, and bytes that are not UTF-8.
run unrepresentable_output 2 -- "$cli" convert -o "smile-😀.pnt" "$examples/tour.pmf"
said "Shift-JIS で表せない文字"
run unrepresentable_dump 1 -- "$cli" dump "smile-😀.pnt"
said "Shift-JIS で表せない文字"
run not_utf8_input 2 -- "$cli" convert "$(printf 'bad\377.pmf')"
said "Shift-JIS で表せない文字"

# Symbolic link loops, as the list and as the output.
ln -s loop.pmf loop.pmf
run link_loop_input 1 -- "$cli" convert loop.pmf
said "pinmover-cli: 読み込みに失敗しました。"
ln -s b.pnt a.pnt && ln -s a.pnt b.pnt
run link_loop_output 1 -- "$cli" convert -o a.pnt "$examples/tour.pmf"
said "不正パス"

# Things that are no files: a FIFO without a writer, a device, a folder, named like a list or
# a point file. Opening one must not wait for data that never comes.
mkfifo fifo.pmf fifo.pnt
run fifo_input 1 -- "$cli" convert fifo.pmf
said "pinmover-cli: 読み込みに失敗しました。"
run fifo_dump 1 -- "$cli" dump fifo.pmf
said "不正ファイル ハンドル使用"
run fifo_output 1 -- "$cli" convert -o fifo.pnt "$examples/tour.pmf"
said "ファイル アクセス禁止"
ln -s /dev/zero zero.pmf && ln -s /dev/full full.pnt
run dev_zero_input 1 -- "$cli" convert zero.pmf
said "pinmover-cli: 読み込みに失敗しました。"
run dev_zero_dump 1 -- "$cli" dump zero.pmf
said "不正ファイル ハンドル使用"
run dev_full_output 1 -- "$cli" convert -o full.pnt "$examples/tour.pmf"
said "ファイル アクセス禁止"
mkdir folder.pmf
run folder_input 1 -- "$cli" convert folder.pmf
said "pinmover-cli: ファイル アクセス禁止"

# Lists from map apps. XML that would load a DTD, an entity or another file is refused before
# any of it is read; a local file named by an entity never reaches a name.
echo 'the secret text' >secret.txt
printf '<?xml version="1.0"?>\n<!DOCTYPE gpx [<!ENTITY x SYSTEM "file://%s/secret.txt">]>\n<gpx><wpt lat="35" lon="139"><name>&x;</name></wpt></gpx>\n' "$PWD" >entity.gpx
run xml_external_entity 1 -- "$cli" convert entity.gpx
[[ ! -e entity.pnt ]] || fail "a point file was written"
! grep -q 'secret text' err out || fail "the entity's file was read"
{ echo '<?xml version="1.0"?><!DOCTYPE kml ['
  echo '<!ENTITY a "aaaaaaaaaa">'
  for i in 1 2 3 4 5 6 7 8 9; do echo "<!ENTITY $((i == 9 ? 0 : i))b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"; done
  echo ']><kml><Placemark><name>&0b;</name><Point><coordinates>139,35</coordinates></Point></Placemark></kml>'
} | sed 's/<!ENTITY \([0-9]\)b/<!ENTITY e\1/; s/&0b;/\&e0;/' >laughs.kml
run xml_billion_laughs 1 -- "$cli" convert laughs.kml
head -c 1000000 /dev/zero | tr '\0' '[' >deep.geojson
run json_million_brackets 1 -- "$cli" convert deep.geojson

# Large lists are read as streams: the first file's points are kept, the rest only counted.
{ echo '<gpx version="1.1">'
  yes '<wpt lat="35.6586" lon="139.7454"><name>東京タワー</name></wpt>' | head -n "$large"
  echo '</gpx>'; } >large.gpx
run large_gpx 0 -- "$cli" convert large.gpx
said "地点が $large 点あります。"
{ echo 'name,lat,lon'; yes '"東京タワー, 展望台",35.6586,139.7454' | head -n "$large"; } >large.csv
run large_csv 0 -- "$cli" convert large.csv
said "地点が $large 点あります。"
{ echo '{"type":"FeatureCollection","features":['
  yes '{"type":"Feature","geometry":{"type":"Point","coordinates":[139.7454,35.6586]},"properties":{"name":"東京タワー"}},' | head -n "$large"
  echo '{"type":"Feature","geometry":null,"properties":{}}]}'; } >large.geojson
run large_geojson 0 -- "$cli" convert large.geojson
said "地点が $large 点あります。"
rm -f large.*
{ printf '<kml><Placemark><name>'; head -c 100000000 /dev/zero | tr '\0' A
  printf '</name><Point><coordinates>139,35</coordinates></Point></Placemark></kml>'; } >long_name.kml
run kml_100mb_name 0 -- "$cli" convert long_name.kml
said "名前が 19 文字を超える"
rm long_name.kml

# KMZ bombs: small archives that inflate to far more than they hold, made a piece at a time.
# kmz_bomb OUTPUT KIND BYTES STATED: a doc.kml of BYTES bytes that states STATED, its middle a
# run of one byte (text of a name, or a comment), deflated.
kmz_bomb() {
  python3 - "$@" <<'PYTHON'
import struct, sys, zlib
output, kind, size, stated = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
head, fill, tail = {
    "text": (b"<kml><Placemark><name>", b"A", b"</name><Point><coordinates>139,35</coordinates>"
             b"</Point></Placemark></kml>"),
    "comment": (b"<kml><!--", b"c", b"--><Placemark><name>x</name><Point><coordinates>139,35"
                b"</coordinates></Point></Placemark></kml>"),
}[kind]
run = size - len(head) - len(tail)
packer, crc = zlib.compressobj(9, zlib.DEFLATED, -15), zlib.crc32(head)
data = [packer.compress(head)]
chunk = fill * (1 << 20)
for _ in range(run >> 20):
    data.append(packer.compress(chunk))
    crc = zlib.crc32(chunk, crc)
rest = fill * (run & ((1 << 20) - 1))
data += [packer.compress(rest + tail), packer.flush()]
crc = zlib.crc32(tail, zlib.crc32(rest, crc))
body = b"".join(data)
name = b"doc.kml"
local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, 0, 8, 0, 0, crc, len(body), stated, len(name), 0)
central = struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, 0, 8, 0, 0, crc, len(body), stated,
                      len(name), 0, 0, 0, 0, 0, 0)
directory = central + name
offset = len(local) + len(name) + len(body)
end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, len(directory), offset, 0)
open(output, "wb").write(local + name + body + directory + end)
PYTHON
}
# Each is refused, or read, within a bounded memory and ten seconds.
fast() {
  local seconds
  read -r _ seconds < <(tail -n 1 time.txt)
  awk -v s="$seconds" 'BEGIN { exit !(s <= 10) }' || fail "took $seconds s"
}
bomb_bytes=$((large * 512))
kmz_bomb text.kmz text "$bomb_bytes" "$bomb_bytes"
run kmz_bomb_long_name 0 -- "$cli" convert text.kmz
said "名前が 19 文字を超える"
fast
kmz_bomb comment.kmz comment "$bomb_bytes" "$bomb_bytes"
run kmz_bomb_long_comment 1 -- "$cli" convert comment.kmz
said "安全のため読み込まない内容があります"
fast
kmz_bomb lying.kmz text "$bomb_bytes" 4096
run kmz_bomb_stating_less 1 -- "$cli" convert lying.kmz
said "KMZ ファイルが壊れているか"
fast
kmz_bomb stated.kmz text 4096 $((1 << 31))
run kmz_bomb_stating_2gib 1 -- "$cli" convert stated.kmz
said "KMZ の中の KML ファイルが大きすぎます"
fast
rm -f ./*.kmz

((failures == 0)) && echo "all hostile inputs handled"
exit $((failures > 0))
