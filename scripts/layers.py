#!/usr/bin/env python3
"""Checks that every include in src/ keeps the layers that docs/developing.md draws.

The guide lists each folder of src/ with the folders it builds on, in a block that starts
with "```layers"; a folder may include from itself and from every folder it builds on,
directly or through another. The engine's folders (all but windows/, output/ and the
windows' kit) include no Qt header. Prints each include against the rule and exits 1 when
there is any, or when the folders, or the top folders they stand in, build on each other in
a circle.

Usage: scripts/layers.py [ROOT]   (the repository, by default this script's)
"""
import pathlib
import re
import sys

QT_FOLDERS = re.compile(r"(^|/)(windows|output)$|^windowkit$")


def read_layers(guide):
    block = re.search(r"```layers\n(.*?)```", guide.read_text(), re.S)
    if not block:
        sys.exit(f"{guide}: no ```layers block")
    layers = {}
    for line in block.group(1).splitlines():
        folder, _, below = line.partition(":")
        layers[folder.strip()] = below.split()
    return layers


def reachable(layers, folder, path=()):
    """The folders `folder` builds on, directly or not; exits on a circle."""
    if folder in path:
        sys.exit("the layers build on each other in a circle: " + " -> ".join(path + (folder,)))
    found = set()
    for below in layers.get(folder, []):
        found |= {below} | reachable(layers, below, path + (folder,))
    return found


def top_folders(layers):
    """The layers by top folder: as render/windows builds on windowkit, render does."""
    tops = {}
    for folder, below in layers.items():
        top = folder.split("/")[0]
        tops.setdefault(top, set()).update({b.split("/")[0] for b in below} - {top})
    return tops


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
    layers = read_layers(root / "docs" / "developing.md")
    tops = top_folders(layers)
    for top in tops:
        reachable(tops, top)
    allowed = {folder: reachable(layers, folder) | {folder} for folder in layers}
    faults = []
    for source in sorted((root / "src").rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        folder = source.parent.relative_to(root / "src").as_posix()
        if folder not in allowed:
            faults.append(f"src/{folder}: a folder the layers do not name")
            continue
        for number, line in enumerate(source.read_text().splitlines(), 1):
            where = f"{source.relative_to(root)}:{number}"
            own = re.match(r'#include "(.+)/[^/]+"', line)
            if own and own.group(1) not in allowed[folder]:
                faults.append(f"{where}: {own.group(1)}/ is not below {folder}/")
            if re.match(r"#include <Q", line) and not QT_FOLDERS.search(folder):
                faults.append(f"{where}: a Qt header in the engine's {folder}/")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
