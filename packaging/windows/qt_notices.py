#!/usr/bin/env python3
"""Gathers the notices of the third-party code that Qt's source bundles, for the licences that
ask them to travel with a program built from it.

    qt_notices.py QT_SOURCE_DIR > THIRD-PARTY.txt
"""
import json
import pathlib
import sys

source = pathlib.Path(sys.argv[1])
for path in sorted((source / "src").rglob("qt_attribution.json")):
    entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print("=" * 78)
        print(f"{entry.get('Name', '')} {entry.get('Version', '')}".strip())
        print(f"License: {entry.get('License', '')}")
        print(entry.get("Copyright", ""))
        for name in [entry.get("LicenseFile")] + entry.get("LicenseFiles", []):
            if name and (path.parent / name).is_file():
                print()
                print((path.parent / name).read_text(encoding="utf-8", errors="replace"))
        print()
