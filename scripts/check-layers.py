#!/usr/bin/env python3
"""Checks that no file of src/ includes a header of a layer above its own.

The layers and their order come from src/layers.txt: a file of src/LAYER/ may
include headers of LAYER and of the layers listed before it; a public header
counts as the layer its `header` line names. An include of src/ that names no
layer, or a public header no line names, is reported too.

Usage: scripts/check-layers.py [--root DIR]   (DIR: a tree holding src/; default: this repository)
Exit status 0 when every include runs downward or sideways, 1 otherwise.
"""
import argparse
import fnmatch
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_layers(path):
    order, headers = [], []
    for line in path.read_text().splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        words = line.split()
        if words[0] == "header" and len(words) == 3:
            headers.append((words[1], words[2]))
        elif len(words) == 1:
            order.append(words[0])
        else:
            raise SystemExit(f"{path}: cannot read the line {line!r}")
    for _, layer in headers:
        if layer not in order:
            raise SystemExit(f"{path}: the header layer {layer} is not among the layers")
    return order, headers


def layer_of(include, order, headers):
    first = include.split("/", 1)[0]
    if "/" in include and first in order:
        return first
    for pattern, layer in headers:
        if fnmatch.fnmatchcase(include, pattern):
            return layer
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent)
    root = pathlib.Path(parser.parse_args().root)
    order, headers = read_layers(root / "src" / "layers.txt")
    rank = {layer: i for i, layer in enumerate(order)}
    problems, checked = [], 0
    for folder in sorted(p for p in (root / "src").iterdir() if p.is_dir()):
        if folder.name not in rank:
            problems.append(f"src/{folder.name}/: a folder that src/layers.txt does not list")
            continue
        for source in sorted(folder.rglob("*")):
            if source.suffix not in (".h", ".cpp", ".inc"):
                continue
            for number, text in enumerate(source.read_text(errors="replace").splitlines(), 1):
                match = INCLUDE.match(text)
                if not match:
                    continue
                checked += 1
                include = match.group(1)
                where = f"{source.relative_to(root)}:{number}"
                target = layer_of(include, order, headers)
                if target is None:
                    problems.append(f"{where}: \"{include}\" belongs to no layer of src/layers.txt")
                elif rank[target] > rank[folder.name]:
                    problems.append(f"{where}: \"{include}\" is of the layer {target}, "
                                    f"above {folder.name}")
    for problem in problems:
        print(problem)
    print(f"layers: {checked} includes checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
