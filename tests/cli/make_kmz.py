#!/usr/bin/env python3
"""Writes a KMZ for the command-line cases: make_kmz.py OUTPUT [--stored] NAME=FILE...

Each NAME=FILE becomes an entry NAME holding FILE's bytes (an empty FILE makes a folder entry),
deflated as My Maps writes them, or stored as some other apps do."""
import sys
import zipfile

output, *entries = sys.argv[1:]
method = zipfile.ZIP_DEFLATED
if entries and entries[0] == "--stored":
    method = zipfile.ZIP_STORED
    entries = entries[1:]
with zipfile.ZipFile(output, "w", method) as archive:
    for entry in entries:
        name, _, source = entry.partition("=")
        data = open(source, "rb").read() if source else b""
        archive.writestr(zipfile.ZipInfo(name, (2024, 1, 1, 0, 0, 0)), data, method)
