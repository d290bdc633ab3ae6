#!/usr/bin/env bash
# A large map as My Maps exports it, through the whole converter: a KMZ of PLACEMARKS placemarks
# (default 100000) converted with --split into numbered files. Prints the wall time and the peak
# memory of the conversion, the median of RUNS runs (default 5).
#
#   kmz_split_benchmark.sh CLI [PLACEMARKS [RUNS]]
set -euo pipefail
cli=$(realpath "$1")
placemarks=${2:-100000}
runs=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

python3 - "$placemarks" <<'PYTHON'
import sys, zipfile
count = int(sys.argv[1])
parts = ['<?xml version="1.0" encoding="UTF-8"?>\n<kml xmlns="http://www.opengis.net/kml/2.2">\n'
         '<Document><name>Large map</name><Folder><name>Layer 1</name>\n']
for i in range(count):
    latitude = 24.0 + (i * 7919 % 2100000) / 100000
    longitude = 123.0 + (i * 104729 % 2200000) / 100000
    parts.append(f'<Placemark><name><![CDATA[Café {i} 東京駅前の店\n]]></name>'
                 f'<description>Visited</description><styleUrl>#icon-1899-0288D1</styleUrl>'
                 f'<Point><coordinates>\n{longitude:.7f},{latitude:.7f},0\n</coordinates></Point>'
                 f'</Placemark>\n')
parts.append('</Folder></Document></kml>\n')
with zipfile.ZipFile('large.kmz', 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr('images/icon-1.png', b'\x89PNG icon')
    archive.writestr('doc.kml', ''.join(parts).encode('utf-8'))
PYTHON
echo "large.kmz: $(stat -c %s large.kmz) bytes, $placemarks placemarks"

for ((i = 0; i < runs; ++i)); do
  rm -f large*.pnt
  /usr/bin/time -f '%e %M' -o time.txt "$cli" convert --split large.kmz >/dev/null 2>&1
  cat time.txt
done | sort -n | awk -v n="$runs" '{ t[NR] = $1; m[NR] = $2 }
  END { printf "convert --split: median %.2f s, peak %d KiB (of %d runs)\n", t[int((n + 1) / 2)], m[int((n + 1) / 2)], n }'
ls large-*.pnt | wc -l | xargs echo "numbered files:"
