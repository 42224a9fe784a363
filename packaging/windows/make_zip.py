#!/usr/bin/env python3
"""Writes the portable zip of a folder: its files in name order, each dated at one given time
and with one mode, so that the same files always give the same bytes.

    make_zip.py ARCHIVE FOLDER SECONDS_SINCE_1970
"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the earliest date a zip can hold


def folder_files(folder):
    return sorted(os.path.join(parent, name)
                  for parent, _, names in os.walk(folder) for name in names)


def main(archive, folder, seconds):
    date = time.gmtime(max(int(seconds or 0), ZIP_EPOCH))[:6]
    base = os.path.dirname(os.path.abspath(folder))
    with zipfile.ZipFile(archive, "w") as output:
        for path in folder_files(os.path.abspath(folder)):
            entry = zipfile.ZipInfo(os.path.relpath(path, base).replace(os.sep, "/"), date)
            entry.create_system = 3  # Unix, so that the mode below is read
            entry.external_attr = 0o644 << 16
            with open(path, "rb") as data:
                output.writestr(entry, data.read(), zipfile.ZIP_DEFLATED, 9)


if __name__ == "__main__":
    main(*sys.argv[1:4])
