#!/usr/bin/env python3
"""Checks that no source file includes a header from a floor above its own.

The host and the renderer are each built in floors: a subsystem may include
its own headers and those of the floors below it, never those of a floor
above it nor of a sibling on its own floor. common/ lies below everything.
Tests and tools may include anything.

Usage: check_include_floors.py <source root>
Prints every include that runs up a floor and exits 1 when there is one.
"""

import re
import sys
from pathlib import Path

# Floors from the bottom up; folders on one floor are siblings.
FLOORS = {
    "host": [["forms"], ["controls"], ["music"], ["startup"], ["screens", "settings"], ["app"]],
    # The scene draws with the image's texture; "" is the renderer's own folder.
    "renderer": [["image"], ["scene"], ["shell"], [""]],
}
COMMON = "common"
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".c"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def place_of(path):
    """(program, floor index, folder) of a path relative to the root, or None."""
    parts = Path(path).parts
    if not parts:
        return None
    if parts[0] == COMMON:
        return (COMMON, -1, COMMON)
    floors = FLOORS.get(parts[0])
    if floors is None:
        return None
    folder = parts[1] if len(parts) > 2 else ""
    for index, siblings in enumerate(floors):
        if folder in siblings:
            return (parts[0], index, folder)
    return None


def runs_up(source, header):
    """True when the source may not include the header."""
    if header[0] == COMMON:
        return False
    if source[0] == COMMON:
        return True
    if source[0] != header[0]:
        return True  # the host and the renderer never include each other
    if source[2] == header[2]:
        return False
    return header[1] >= source[1]


def violations(root):
    found = []
    for program in [COMMON, *FLOORS]:
        for path in sorted((root / program).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES:
                continue
            relative = path.relative_to(root).as_posix()
            source = place_of(relative)
            if source is None:
                continue
            for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                header = place_of(match.group(1))
                if header is not None and runs_up(source, header):
                    found.append((relative, number, match.group(1)))
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    failing = 0
    for relative, number, header in violations(Path(sys.argv[1])):
        failing += 1
        print(f"{relative}:{number}: includes {header}, a floor above or beside it")
    return 1 if failing else 0


if __name__ == "__main__":
    sys.exit(main())
