#!/usr/bin/env python3
"""Checks that a reference document names every public declaration.

Reads the headers of a folder (include/tolmer/*.h) and collects the names
they declare: functions and member functions, enumerators, enums, classes
and structs, data members, constants (inline/static constexpr) and macros
(#define, unless #undef'd again). Private sections, friend declarations and
namespaces named detail hold no public name and are left out. Each name must occur as
a whole word inside the document's code: an inline `code span` or a fenced
block. The names missing are listed.

Usage: scripts/check-doc-names.py --headers DIR --document FILE
Exit status 0 when every name is there, 1 otherwise.
"""
import argparse
import pathlib
import re
import sys

KEYWORDS = {"return", "case", "if", "else", "switch", "default", "using", "namespace",
            "typedef", "throw", "delete", "new", "while", "for", "do", "sizeof", "static_assert",
            "operator", "decltype", "alignas", "noexcept", "requires", "enum", "struct", "class",
            "template", "typename", "public", "private", "protected", "friend"}
QUALIFIERS = r"(?:(?:\[\[nodiscard\]\]|static|constexpr|consteval|inline|explicit|virtual|extern)\s+)*"
TYPE = r"(?:const\s+)?(?:unsigned\s+|signed\s+|long\s+)*[\w:]+(?:<[^;()]*>)?(?:\s+const)?[\s*&]+"
FUNCTION = re.compile(r"^\s*" + QUALIFIERS + TYPE + r"(\w+)\s*\(")
CONSTANT = re.compile(r"^\s*(?:\[\[nodiscard\]\]\s*)?(?:inline|static)\s+constexpr\s+" + TYPE + r"(\w+)\s*[={]")
MEMBER = re.compile(r"^\s*" + TYPE + r"(\w+)\s*(?:=[^;]*|\{[^;]*\})?;")
TYPE_DEFINITION = re.compile(r"\b(?:struct|class)\s+(\w+)\s*(?:final\s*)?(?::[^;{]*)?\{")
ENUM = re.compile(r"\benum\s+(?:class|struct)\s+(\w+)[^{;]*\{([^}]*)\}", re.DOTALL)
DEFINE = re.compile(r"^\s*#\s*define\s+(\w+)", re.MULTILINE)
UNDEF = re.compile(r"^\s*#\s*undef\s+(\w+)", re.MULTILINE)


def without_comments(text):
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.DOTALL)
    text = re.sub(r'"(?:\\.|[^"\\\n])*"', '""', text)
    return re.sub(r"//[^\n]*", "", text)


def declared_names(text):
    """The public names a header declares."""
    text = without_comments(text)
    names = set(DEFINE.findall(text)) - set(UNDEF.findall(text))
    for enum, body in ENUM.findall(text):
        names.add(enum)
        for enumerator in body.split(","):
            enumerator = enumerator.split("=")[0].strip()
            if enumerator:
                names.add(enumerator)
    # The scopes open at each line: "namespace", "class" (with whether its
    # current section is private) or "other" (a function body, an enum, an
    # initialiser: nothing declared there is read).
    scopes = [["namespace", False]]
    continued = False  # the line continues a preprocessor line
    for line in text.split("\n"):
        directive = continued or line.lstrip().startswith("#")
        continued = directive and line.rstrip().endswith("\\")
        if directive:
            continue
        kind, private = scopes[-1]
        stripped = line.strip()
        if kind == "class" and re.match(r"(private|protected)\s*:", stripped):
            scopes[-1][1] = True
            continue
        if kind == "class" and re.match(r"public\s*:", stripped):
            scopes[-1][1] = False
            continue
        definition = TYPE_DEFINITION.search(line)
        readable = kind == "namespace" or (kind == "class" and not private)
        if readable:
            if definition:
                names.add(definition.group(1))
            first = re.match(r"\s*(\w+)", line)
            if not (first and first.group(1) in KEYWORDS):
                for pattern in (FUNCTION, CONSTANT) + ((MEMBER,) if kind == "class" else ()):
                    match = pattern.match(line)
                    if match and match.group(1) not in KEYWORDS:
                        names.add(match.group(1))
                        if pattern is MEMBER:  # double x1 = 0, y1 = 0;
                            names.update(re.findall(r",\s*(\w+)\s*=", line))
                        break
        for character in line:
            if character == "{":
                if definition and not re.search(r"\benum\b", line):
                    default_private = re.search(r"\bclass\s+" + definition.group(1), line) is not None
                    scopes.append(["class", default_private or not readable])
                    definition = None
                elif re.match(r"\s*namespace\b", line):
                    # A detail namespace holds no public name.
                    detail = re.match(r"\s*namespace\s+[\w:]*\bdetail\s*\{", line)
                    scopes.append(["other" if detail else "namespace", bool(detail)])
                else:
                    scopes.append(["other", True])
            elif character == "}" and len(scopes) > 1:
                scopes.pop()
    return names


def code_of(document):
    """The text of the document's code spans and fenced blocks."""
    blocks = re.findall(r"^```[^\n]*\n(.*?)^```", document, flags=re.DOTALL | re.MULTILINE)
    prose = re.sub(r"^```[^\n]*\n.*?^```", "", document, flags=re.DOTALL | re.MULTILINE)
    spans = re.findall(r"`([^`\n]+)`", prose)
    return "\n".join(blocks + spans)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--headers", required=True, type=pathlib.Path)
    parser.add_argument("--document", required=True, type=pathlib.Path)
    args = parser.parse_args()
    names = set()
    headers = sorted(args.headers.glob("*.h"))
    for header in headers:
        names |= declared_names(header.read_text(encoding="utf-8"))
    code = code_of(args.document.read_text(encoding="utf-8"))
    words = set(re.findall(r"\w+", code))
    missing = sorted(names - words)
    print(f"check-doc-names: {len(names)} names in {len(headers)} headers, {len(missing)} not in the document")
    if missing:
        print(f"not in {args.document}: {', '.join(missing)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
