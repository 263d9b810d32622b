#!/usr/bin/env python3
"""Lists C++ functions longer than a limit (60 lines by default) and fails if there are any.

Usage: function-lengths.py [--limit N] [--all] PATH...
PATH may be a file or a folder (searched for .cpp, .h and .hpp files). A function's length runs
from the first line of its declaration to its closing brace. Lambdas and local classes count
as part of the function around them. With --all every function is listed with its length.
"""
import argparse
import pathlib
import re
import sys

SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}
QUALIFIERS = {"const", "override", "final", "noexcept", "mutable", "&", "&&", "volatile"}
TYPE_KEYWORDS = re.compile(r"^(template\s*<.*>\s*)?(class|struct|union|enum)\b", re.S)
ACCESS = re.compile(r"^(\s*(public|protected|private|signals|Q_SIGNALS|slots|Q_SLOTS)"
                    r"(\s+(slots|Q_SLOTS))?\s*:(?!:))+")


def blank_out(text):
    """Returns text with comments, string and character literals and preprocessor lines
    replaced by spaces, newlines kept, so that braces in them do not count."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    at_line_start = True
    while i < n:
        c = text[i]
        if at_line_start and c == "#":
            j = i
            while j < n and (text[j] != "\n" or text[j - 1] == "\\"):
                j += 1
            blank(i, j)
            i = j
            continue
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if not c.isspace():
            at_line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == '"' and i > 0 and text[i - 1] == "R":
            m = re.match(r'"([^(\s]*)\(', text[i:])
            end = text.find(")" + (m.group(1) if m else "") + '"', i)
            j = n if end < 0 else end + len(m.group(1) if m else "") + 2
            blank(i, j)
            i = j
        elif c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum() and i + 1 < n
                                            and text[i + 1].isalnum() and text[i - 1].isdigit())):
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i, j + 1)
            i = j + 1
        else:
            i += 1
    return "".join(out)


def last_token(statement):
    m = re.search(r"(&&|[A-Za-z_]\w*|\S)\s*$", statement)
    return m.group(1) if m else ""


def opens_function(statement):
    """Whether a brace that follows statement (at namespace or class scope) opens a body."""
    s = statement.strip()
    if "(" not in s or TYPE_KEYWORDS.match(s) or s.startswith("namespace"):
        return False
    if s.endswith("=") or s.endswith(","):
        return False
    tok = last_token(s)
    if tok == ")" or tok in QUALIFIERS:
        return True
    # The body after a constructor's initializer list that ends in a braced member.
    return tok == "}" and re.search(r"\)\s*:[^:]", s) is not None


def function_name(statement):
    head = statement.split("(")[0].split()
    return head[-1] if head else "?"


def scan(path):
    """Yields (line, name, length) for every function in the file."""
    text = blank_out(path.read_text(encoding="utf-8", errors="replace"))
    stack = []  # kinds of the open braces: "scope", "function", "data"
    statement, start = "", None
    depth_in_function = 0
    line = 1
    for c in text:
        if c == "\n":
            line += 1
        if depth_in_function:
            if c == "{":
                depth_in_function += 1
            elif c == "}":
                depth_in_function -= 1
                if depth_in_function == 0:
                    yield func_line, function_name(func_statement), line - func_line + 1
                    statement, start = "", None
            continue
        if c == "{" and not (stack and stack[-1] == "data"):
            clean = ACCESS.sub("", statement)
            if opens_function(clean):
                func_statement, func_line = clean.strip(), start or line
                depth_in_function = 1
                continue
            s = clean.strip()
            kind = "scope" if (not s or s.startswith(("namespace", "extern"))
                               or TYPE_KEYWORDS.match(s) and "=" not in s
                               and not s.startswith("enum")) else "data"
            stack.append(kind)
            if kind == "scope":
                statement, start = "", None
            else:
                statement += c
            continue
        if c == "{":
            stack.append("data")
            statement += c
            continue
        if c == "}":
            kind = stack.pop() if stack else "scope"
            if kind == "data":
                statement += c
            else:
                statement, start = "", None
            continue
        if c == ";" and not (stack and stack[-1] == "data"):
            statement, start = "", None
            continue
        if not c.isspace() and start is None:
            start = line
        statement += c
        # Access specifiers start no statement of their own.
        if c == ":" and ACCESS.fullmatch(statement.strip()):
            statement, start = "", None


def sources(paths):
    for p in map(pathlib.Path, paths):
        if p.is_dir():
            yield from sorted(f for f in p.rglob("*") if f.suffix in SOURCE_SUFFIXES)
        else:
            yield p


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--limit", type=int, default=60)
    parser.add_argument("--all", action="store_true")
    parser.add_argument("paths", nargs="+")
    args = parser.parse_args()
    too_long = 0
    for path in sources(args.paths):
        for line, name, length in scan(path):
            if args.all or length > args.limit:
                print(f"{path}:{line}: {name}: {length} lines")
            too_long += length > args.limit
    if too_long:
        print(f"{too_long} function(s) longer than {args.limit} lines", file=sys.stderr)
    return 1 if too_long else 0


if __name__ == "__main__":
    sys.exit(main())
