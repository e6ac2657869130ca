#!/usr/bin/env python3
"""Keeps the shape of the code: a folder includes only itself and the folders
below it, and the folders below the Qt line include no Qt header.

Usage: check_layers.py SOURCE_DIR. Prints every offending include and exits 1
when there is one."""
import pathlib
import re
import sys

# Bottom to top. A file belongs to the longest folder that holds it.
LAYERS = [
    "platform",
    "data/dbf",
    "data/cdx",
    "data",
    "report",
    "commission",
    "report/render_qt",
    "controls",
    "gui",
    "screens",
    "app",
]
QT_FREE = {"platform", "data/dbf", "data/cdx", "data", "report", "commission"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path):
    best = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def is_qt_header(name):
    return name.startswith("Q") or name.startswith("qt") or name.startswith("Qt")


def main():
    root = pathlib.Path(sys.argv[1])
    rank = {layer: i for i, layer in enumerate(LAYERS)}
    problems = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(root).as_posix()
        own = layer_of(relative)
        if own is None:
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            where = f"{relative}:{number}: {line.strip()}"
            if bracket == "<" and own in QT_FREE and is_qt_header(name):
                problems.append(f"{where}  (Qt in a Qt-free folder)")
            target = layer_of(name) if bracket == '"' else None
            if target is not None and rank[target] > rank[own]:
                problems.append(f"{where}  ({own} may not include {target})")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} layering problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
