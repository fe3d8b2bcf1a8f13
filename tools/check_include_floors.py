#!/usr/bin/env python3
"""Checks that no source file includes a header from a floor above its own.

Each program is built in floors. A folder names the folders right below it;
it may include its own headers and those of every floor it stands on,
directly or through the floors below, never a floor above it nor a sibling.
The host's floors form two chains on one ground floor (platform): the forms
chain (forms, controls, settings) and the music chain (music, startup,
screens); the dialog and the saver screen stand on both, and app on
everything. common/ lies below every program. linux/ is the native
module's composition root: it stands on the whole renderer. Tests and tools
may include anything.

Usage: check_include_floors.py <source root>
Prints every include that runs up a floor and exits 1 when there is one;
with --counts, prints how many includes each folder makes into each other.
"""

import re
import sys
from collections import Counter
from pathlib import Path

# Per program: folder -> the folders right below it. "" is the program's own
# top folder (the composition root's files).
FLOORS = {
    "host": {
        "platform": [],
        "forms": ["platform"],
        "controls": ["forms"],
        "music": ["platform"],
        "startup": ["music"],
        "screens": ["startup", "forms"],
        "settings": ["controls", "startup"],
        "app": ["screens", "settings"],
    },
    # The scene draws with the image's texture; the shell needs nothing of
    # the scene, and only the composition root joins the two.
    "renderer": {
        "image": [],
        "scene": ["image"],
        "shell": [],
        "": ["shell", "scene"],
    },
}
# Programs that stand on another program whole: folder -> program below.
ROOTS_ABOVE = {"linux": "renderer"}
COMMON = "common"
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".c"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def floors_below(program, folder):
    """Every folder the given one stands on, directly or through others."""
    below, pending = set(), list(FLOORS[program][folder])
    while pending:
        lower = pending.pop()
        if lower not in below:
            below.add(lower)
            pending.extend(FLOORS[program][lower])
    return below


def place_of(path):
    """(program, folder) of a path relative to the root, or None."""
    parts = Path(path).parts
    if not parts:
        return None
    if parts[0] == COMMON or parts[0] in ROOTS_ABOVE:
        return (parts[0], "")
    floors = FLOORS.get(parts[0])
    if floors is None:
        return None
    folder = parts[1] if len(parts) > 2 else ""
    return (parts[0], folder) if folder in floors else None


def runs_up(source, header):
    """True when the source may not include the header."""
    if header[0] == COMMON:
        return False
    if source[0] == COMMON:
        return True
    if source[0] in ROOTS_ABOVE:
        return header[0] not in (source[0], ROOTS_ABOVE[source[0]])
    if source[0] != header[0]:
        return True  # the host and the renderer never include each other
    if source[1] == header[1]:
        return False
    return header[1] not in floors_below(source[0], source[1])


def includes(root):
    """(source file, line number, included path, source place, header place)."""
    for program in [COMMON, *FLOORS, *ROOTS_ABOVE]:
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
                if header is not None:
                    yield relative, number, match.group(1), source, header


def violations(root):
    return [(relative, number, included)
            for relative, number, included, source, header in includes(root)
            if runs_up(source, header)]


def counts(root):
    """Includes from one folder into another, by (source place, header place)."""
    return Counter((source, header) for _, _, _, source, header in includes(root)
                   if source != header)


def main():
    arguments = sys.argv[1:]
    show_counts = "--counts" in arguments
    arguments = [a for a in arguments if a != "--counts"]
    if len(arguments) != 1:
        print(__doc__.strip().splitlines()[-3], file=sys.stderr)
        return 2
    root = Path(arguments[0])
    if show_counts:
        for (source, header), number in sorted(counts(root).items()):
            print(f"{'/'.join(filter(None, source))} -> {'/'.join(filter(None, header))}: {number}")
    failing = 0
    for relative, number, header in violations(root):
        failing += 1
        print(f"{relative}:{number}: includes {header}, a floor above or beside it")
    return 1 if failing else 0


if __name__ == "__main__":
    sys.exit(main())
