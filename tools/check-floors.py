#!/usr/bin/env python3
"""Checks the floors of the program from its include lines.

The lower floor (shell/ but shell/app/) and the feature folders (forms/, printing/,
shopping/, exchange/) never include a header of the top floor (shell/app/); the lower
floor never includes a feature folder's header. Prints each offending line and exits 1.
"""
import pathlib
import re
import sys

TOP = "shell/app/"
FEATURES = ("forms/", "printing/", "shopping/", "exchange/")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def floor_of(path):
    if path.startswith(TOP):
        return "top"
    if path.startswith("shell/"):
        return "lower"
    if path.startswith(FEATURES):
        return "feature"
    return None


def faults(root):
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        floor = floor_of(relative)
        if floor not in ("lower", "feature"):
            continue
        for number, line in enumerate(source.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            included = floor_of(match.group(1))
            if included == "top" or (floor == "lower" and included == "feature"):
                yield f"{relative}:{number}: {floor} floor includes {match.group(1)}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    found = list(faults(root))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
