#!/usr/bin/env python3
"""Writes data/names/{male1,female1,male2,female2}.tsv from the curated sources beside it.

  single_chars.txt   one-character names in the sections male, female and both
  double_male.txt    two-character names for boys
  double_female.txt  two-character names for girls
  classical.txt      names drawn from lines of classical poetry, with the line
  pinyin.txt         the reading of every character as used in names

Every name is checked before anything is written: GB 2312 only, none of the characters in
tests/names/unfit_chars.txt, the right length, a reading for every character, and for a sourced
name both characters present in its line. The lists are sorted by reading so that a curator can
find a name; the store builder shuffles them. Standard library only.

Usage: python3 tools/names/make_lists.py   (from anywhere)
"""
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def read_lines(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.strip() and not line.startswith("#"):
                yield line


def read_sections(name):
    sections, current = {}, None
    for line in read_lines(name):
        m = re.fullmatch(r"\[(\w+)\]", line.strip())
        if m:
            current = sections.setdefault(m.group(1), [])
        else:
            current.extend(c for c in line if not c.isspace())
    return sections


def read_names(name):
    return [n for line in read_lines(name) for n in line.split()]


def read_classical(name):
    """Yields (name, sex, source) with sex one of m, f, b."""
    source = None
    for line in read_lines(name):
        if line.startswith("《"):
            source = line.strip()
            continue
        sex, *names = line.split()
        for n in names:
            yield n, sex, source


def read_unfit():
    path = os.path.join(ROOT, "tests", "names", "unfit_chars.txt")
    with open(path, encoding="utf-8") as f:
        return {c for line in f if not line.startswith("#") for c in line.strip()}


def syllable_key(reading):
    """Sort key: the reading without tone marks, then the tone."""
    plain = unicodedata.normalize("NFD", reading)
    base = "".join(c for c in plain if not unicodedata.combining(c))
    return base, plain


def main():
    pinyin = dict(line.split("\t") for line in read_lines("pinyin.txt"))
    unfit = read_unfit()
    errors = []

    def check(name, length):
        if len(name) != length:
            errors.append(f"{name}: not {length} characters")
        for c in name:
            try:
                c.encode("gb2312")
            except UnicodeEncodeError:
                errors.append(f"{name}: {c} is not in GB 2312")
            if c in unfit:
                errors.append(f"{name}: {c} is unfit for a name")
            if c not in pinyin:
                errors.append(f"{name}: no reading for {c}")

    single = read_sections("single_chars.txt")
    for section in single.values():
        for c in section:
            check(c, 1)
    overlap = (set(single["male"]) | set(single["female"])) & set(single["both"])
    overlap |= set(single["male"]) & set(single["female"])
    if overlap:
        errors.append("in more than one section: " + "".join(sorted(overlap)))

    sources = {}
    male2, female2 = list(read_names("double_male.txt")), list(read_names("double_female.txt"))
    for n, sex, source in read_classical("classical.txt"):
        line = source.split("》", 1)[1]
        if any(c not in line for c in n):
            errors.append(f"{n}: not drawn from {source}")
        sources.setdefault(n, source)
        if sex in "mb":
            male2.append(n)
        if sex in "fb":
            female2.append(n)
    for n in male2 + female2:
        check(n, 2)
    if errors:
        sys.exit("\n".join(sorted(set(errors))))

    tables = {
        "male1": ("danm", single["male"] + single["both"]),
        "female1": ("danm", single["female"] + single["both"]),
        "male2": ("shuangm", male2),
        "female2": ("shuangm", female2),
    }
    for table, (column, names) in tables.items():
        rows = {}
        for n in names:
            rows.setdefault(n, (" ".join(pinyin[c] for c in n), sources.get(n, "")))
        ordered = sorted(rows, key=lambda n: ([syllable_key(pinyin[c]) for c in n], n))
        path = os.path.join(ROOT, "data", "names", table + ".tsv")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("# Written by tools/names/make_lists.py; edit the sources there.\n")
            f.write(f"{column}\tpinyin\tsource\n")
            for n in ordered:
                f.write(f"{n}\t{rows[n][0]}\t{rows[n][1]}\n")
        sourced = sum(1 for n in ordered if rows[n][1])
        print(f"{table}: {len(ordered)} names, {sourced} with a source")


if __name__ == "__main__":
    main()
