#!/usr/bin/env python3
"""Runs one example program of a document and checks what it does.

The program must exit with status 0 and, when an expected output file is
given, write exactly that text to its standard output (a difference is shown
as a diff).

Usage: scripts/run-doc-example.py [--expected FILE] -- PROGRAM [ARGUMENT...]
"""
import argparse
import difflib
import pathlib
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--expected", default="")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    run = subprocess.run(args.command, stdout=subprocess.PIPE, timeout=60)
    shown = run.stdout.decode("utf-8", errors="replace")
    failed = False
    if run.returncode != 0:
        print(f"FAIL: the example exited with status {run.returncode}")
        failed = True
    if args.expected:
        expected = pathlib.Path(args.expected).read_text(encoding="utf-8")
        if shown != expected:
            print("FAIL: the example's output differs from the document's (- document, + program):")
            sys.stdout.writelines(difflib.unified_diff(
                expected.splitlines(keepends=True), shown.splitlines(keepends=True),
                "document", "program"))
            if not shown.endswith("\n"):
                print("\n(the program's output does not end with a newline)")
            failed = True
    if not failed:
        print("example ran" + (" and printed the document's output" if args.expected else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
