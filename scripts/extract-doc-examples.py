#!/usr/bin/env python3
"""Writes every ```cpp block of Markdown documents out as a source file.

Each ```cpp block is a complete translation unit. A block followed directly
(blank lines aside) by an ```output block is a program whose standard output
must be that text; a block without main() is compiled only. For each
document DOC.md the blocks go to OUT/DOC_md/<n>_<slug>.cpp (n counts the
document's cpp blocks from 1, the slug is the heading above the block) with
the expected output beside it as <n>_<slug>.out, and OUT/examples.cmake
calls, for every block,

    tolmer_doc_example(<test name> <source> <MAIN|OBJECT> <C|CPP> <output file or "">)

(C: the block includes tolmerdll.h). A file is rewritten only when its text
changes, so an unchanged example is not rebuilt; files of blocks no longer
there are removed.

Usage: scripts/extract-doc-examples.py --out DIR DOCUMENT...
Exit status 0, or 1 with a message per malformed document (an ```output
block after no program, an unclosed block).
"""
import argparse
import pathlib
import re
import sys

FENCE = re.compile(r"^```(\S*)\s*$")
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$")
MAIN = re.compile(r"\bint\s+main\s*\(")
C_HEADER = re.compile(r'^\s*#\s*include\s*[<"]tolmerdll\.h[">]', re.MULTILINE)


def slug(heading):
    words = re.sub(r"[^a-z0-9]+", "_", heading.lower()).strip("_")
    return (words[:40].rstrip("_")) or "top"


def blocks(text):
    """(language, first line number, body, heading) of each fenced block."""
    lines = text.split("\n")
    heading = ""
    i = 0
    while i < len(lines):
        match = HEADING.match(lines[i])
        if match:
            heading = match.group(1)
        fence = FENCE.match(lines[i])
        if fence:
            start = i
            body = []
            i += 1
            while i < len(lines) and not lines[i].startswith("```"):
                body.append(lines[i])
                i += 1
            if i == len(lines):
                raise ValueError(f"line {start + 1}: a block that is never closed")
            yield fence.group(1), start + 1, "".join(l + "\n" for l in body), heading, i
        i += 1


def examples(path):
    """The document's cpp blocks: (number, slug, source, expected output or None, line)."""
    text = path.read_text(encoding="utf-8")
    lines = text.split("\n")
    found = []
    previous = None  # the last cpp block, and the line its fence closed on
    for language, line, body, heading, closed in blocks(text):
        if language == "output":
            between = lines[previous[1] + 1:line - 1] if previous else None
            if previous is None or any(l.strip() for l in between):
                raise ValueError(f"line {line}: an output block that follows no cpp block")
            number, name, source, _, first = found[-1]
            if not MAIN.search(source):
                raise ValueError(f"line {line}: an output block after a block without main()")
            found[-1] = (number, name, source, body, first)
            previous = None
            continue
        previous = None
        if language == "cpp":
            found.append((len(found) + 1, slug(heading), body, None, line))
            previous = (found[-1], closed)
    return found


def write_if_changed(path, text):
    if path.exists() and path.read_text(encoding="utf-8") == text:
        return
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def cmake_quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("documents", nargs="+", type=pathlib.Path)
    args = parser.parse_args()
    calls, problems, count = [], [], 0
    written = set()
    for document in args.documents:
        label = document.name.replace(".", "_")
        try:
            found = examples(document)
        except ValueError as error:
            problems.append(f"{document}: {error}")
            continue
        for number, name, source, output, line in found:
            stem = args.out / label / f"{number}_{name}"
            banner = f"// {document.name}, line {line}\n#line {line + 1} {cmake_quote(str(document))}\n"
            write_if_changed(stem.with_suffix(".cpp"), banner + source)
            written.add(stem.with_suffix(".cpp"))
            expected = ""
            if output is not None:
                write_if_changed(stem.with_suffix(".out"), output)
                written.add(stem.with_suffix(".out"))
                expected = str(stem.with_suffix(".out"))
            kind = "MAIN" if MAIN.search(source) else "OBJECT"
            interface = "C" if C_HEADER.search(source) else "CPP"
            calls.append(f"tolmer_doc_example(Docs.{label}.{number}_{name} "
                         f"{cmake_quote(str(stem.with_suffix('.cpp')))} {kind} {interface} "
                         f"{cmake_quote(expected)})")
            count += 1
    write_if_changed(args.out / "examples.cmake", "".join(c + "\n" for c in calls))
    # Files of blocks that are gone (renumbered or removed) go too.
    for folder in {args.out / d.name.replace(".", "_") for d in args.documents}:
        for stale in set(folder.glob("*")) - written if folder.is_dir() else ():
            stale.unlink()
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"extract-doc-examples: {count} examples from {len(args.documents)} documents, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
