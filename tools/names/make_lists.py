#!/usr/bin/env python3
"""Writes data/names/{male1,female1,male2,female2}.tsv from the curated sources beside it.

  single_chars.txt    one-character names in the sections male, female and both
  double_male.txt     two-character names for boys
  double_female.txt   two-character names for girls
  classical.txt       names drawn from lines of classical poetry, with the line
  pinyin.txt          the reading of every character as used in names
  name_readings.txt   readings of whole names that differ from their characters' readings
  deny/<table>.txt    names struck from a table; listing one that is still in the table's
                      sources is an error, so a struck name cannot slip back in

Every name is checked before anything is written: GBK hanzi that the grid's CJK font draws,
none of the characters in tests/names/unfit_chars.txt, the right length, a reading for every
character, and for a sourced name every character present in its line. Each table is checked
for its minimum size and for too many names of one reading. A one-character table with fewer
fitting characters than its minimum holds them two or three times, never more, to reach it;
the store builder keeps the rows of a repeated name far apart. The lists are sorted by reading
so that a curator can find a name; the store builder shuffles them. Needs fc-list (fontconfig).

Usage: python3 tools/names/make_lists.py   (from anywhere)
"""
import os
import re
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# The walk of a press stays below record 1,300 of a one-character table and below 1,750 of a
# two-character one in all but a vanishing share of presses.
MIN_ROWS = {"male1": 1300, "female1": 1300, "male2": 1750, "female2": 1750}
# At most this many names of one table share one toned reading.
MAX_SAME_READING = {1: 10, 2: 3}
# A one-character name stands at most this many times in its table.
MAX_COPIES = 3
# The face the grid draws Chinese text with.
CJK_FONT = "WenQuanYi Zen Hei"
TONED = "āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ"
SYLLABLE = re.compile(f"[a-zü{TONED}]+")
# Marks that end a phrase of a quoted line; a sourced name takes its characters from one phrase.
PHRASE_END = re.compile("[，。；？！：]")


def read_lines(path):
    with open(os.path.join(HERE, path), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.strip() and not line.lstrip().startswith("#"):
                yield number, line


def read_sections(path):
    sections, current = {}, None
    for _, line in read_lines(path):
        m = re.fullmatch(r"\[(\w+)\]", line.strip())
        if m:
            current = sections.setdefault(m.group(1), [])
        else:
            current.extend(c for c in line if not c.isspace())
    return sections


def read_names(path):
    return [n for _, line in read_lines(path) for n in line.split()]


def read_classical(path):
    """Yields (name, sex, source) with sex one of m, f, b."""
    source = None
    for _, line in read_lines(path):
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


def read_tab_pairs(path, errors):
    pairs = {}
    for number, line in read_lines(path):
        fields = line.split("\t")
        if len(fields) != 2 or not fields[0] or fields[0] in pairs:
            errors.append(f"{path}:{number}: want one new name, a tab and its reading")
            continue
        pairs[fields[0]] = fields[1]
    return pairs


def reading_fault(reading, length):
    """Why a reading is malformed for a name of `length` characters, or None."""
    syllables = reading.split(" ")
    if len(syllables) != length:
        return f"{len(syllables)} syllables for {length} characters"
    for s in syllables:
        if not SYLLABLE.fullmatch(s) or sum(c in TONED for c in s) != 1:
            return f"{s!r} is not a lower-case syllable with one tone mark"
    return None


def font_charset(family):
    """The code points the font draws, from fontconfig's charset of its regular face."""
    try:
        out = subprocess.run(["fc-list", "--format=%{charset}\n", f":family={family}"],
                             capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit(f"cannot ask fontconfig for {family}: {e}")
    covered = set()
    for token in out.split():
        first, _, last = token.partition("-")
        covered.update(range(int(first, 16), int(last or first, 16) + 1))
    if not covered:
        sys.exit(f"fontconfig knows no font {family}; run scripts/install-deps.sh")
    return covered


def char_faults(c, unfit, covered):
    if not "\u4e00" <= c <= "\u9fa5":
        yield f"{c} is not a GBK hanzi"
    if ord(c) not in covered:
        yield f"{c} is not drawn by {CJK_FONT}"
    if c in unfit:
        yield f"{c} is unfit for a name"


class Tables:
    """Gathers the four tables' names, checking them as they come."""

    def __init__(self):
        self.errors = []
        self.pinyin = read_tab_pairs("pinyin.txt", self.errors)
        self.overrides = read_tab_pairs("name_readings.txt", self.errors)
        self.unfit = read_unfit()
        self.covered = font_charset(CJK_FONT)
        self.sources = {}

    def check(self, name, length):
        if len(name) != length:
            self.errors.append(f"{name}: not {length} characters")
        for c in name:
            self.errors.extend(f"{name}: {fault}" for fault in
                               char_faults(c, self.unfit, self.covered))
            if c not in self.pinyin:
                self.errors.append(f"{name}: no reading for {c}")

    def reading(self, name):
        if name in self.overrides:
            return self.overrides[name]
        return " ".join(self.pinyin.get(c, "?") for c in name)

    def single(self):
        sections = read_sections("single_chars.txt")
        for key in ("male", "female", "both"):
            for c in sections.setdefault(key, []):
                self.check(c, 1)
        everywhere = sections["male"] + sections["female"] + sections["both"]
        twice = sorted({c for c in everywhere if everywhere.count(c) > 1})
        if twice:
            self.errors.append("listed more than once: " + "".join(twice))
        return sections

    def double(self):
        male2, female2 = read_names("double_male.txt"), read_names("double_female.txt")
        for n, sex, source in read_classical("classical.txt"):
            line = source.split("》", 1)[1] if source and "》" in source else ""
            if not source or not any(all(c in p for c in n) for p in PHRASE_END.split(line)):
                self.errors.append(f"{n}: not drawn from one phrase of {source}")
            self.sources.setdefault(n, source)
            if sex in "mb":
                male2.append(n)
            if sex in "fb":
                female2.append(n)
        for n in male2 + female2:
            self.check(n, 2)
        return male2, female2


def read_deny(table):
    path = os.path.join("deny", table + ".txt")
    if not os.path.exists(os.path.join(HERE, path)):
        return set()
    return {n for _, line in read_lines(path) for n in line.split("#", 1)[0].split()}


def reading_counts(names, reading):
    counts = {}
    for n in names:
        counts[reading(n)] = counts.get(reading(n), 0) + 1
    return counts


def with_repeats(names, minimum, errors, table):
    """The table's rows: each name once, or, short of `minimum` names, the list again from its
    first name until `minimum` rows are reached. No name stands more than MAX_COPIES times, so a
    table needs at least that share of its minimum in distinct names."""
    names = list(dict.fromkeys(names))
    if len(names) >= minimum:
        return names
    if MAX_COPIES * len(names) < minimum:
        errors.append(f"{table}: {len(names)} names, fewer than 1/{MAX_COPIES} of {minimum}")
        return names
    rows = []
    while len(rows) < minimum:
        rows += names[: minimum - len(rows)]
    return rows


def check_table(table, names, length, reading, errors):
    deny = read_deny(table)
    struck = sorted(deny & set(names))
    if struck:
        errors.append(f"{table}: denied but still in the sources: {' '.join(struck)}")
    if len(names) < MIN_ROWS[table]:
        errors.append(f"{table}: {len(names)} rows, fewer than {MIN_ROWS[table]}")
    for r, count in reading_counts(set(names), reading).items():
        if count > MAX_SAME_READING[length]:
            errors.append(f"{table}: {count} names read {r} (at most {MAX_SAME_READING[length]})")
    for n in names:
        fault = reading_fault(reading(n), length)
        if fault:
            errors.append(f"{table}: {n} {reading(n)!r}: {fault}")


def syllable_key(reading):
    """Sort key: the reading without tone marks, then the tone."""
    plain = unicodedata.normalize("NFD", reading)
    base = "".join(c for c in plain if not unicodedata.combining(c))
    return base, plain


def write_table(table, column, names, tables):
    ordered = sorted(names, key=lambda n: (syllable_key(tables.reading(n)), n))
    path = os.path.join(ROOT, "data", "names", table + ".tsv")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Written by tools/names/make_lists.py; edit the sources there.\n")
        f.write(f"{column}\tpinyin\tsource\n")
        for n in ordered:
            f.write(f"{n}\t{tables.reading(n)}\t{tables.sources.get(n, '')}\n")
    sourced = sum(1 for n in ordered if tables.sources.get(n))
    repeated = len(ordered) - len(set(ordered))
    print(f"{table}: {len(ordered)} rows, {repeated} repeated, {sourced} with a source")


def main():
    tables = Tables()
    single = tables.single()
    male2, female2 = tables.double()
    lists = {
        "male1": with_repeats(single["male"] + single["both"], MIN_ROWS["male1"],
                              tables.errors, "male1"),
        "female1": with_repeats(single["female"] + single["both"], MIN_ROWS["female1"],
                                tables.errors, "female1"),
        "male2": list(dict.fromkeys(male2)),
        "female2": list(dict.fromkeys(female2)),
    }
    for table, names in lists.items():
        check_table(table, names, 1 if table.endswith("1") else 2, tables.reading, tables.errors)
    held = set().union(*lists.values())
    stale = sorted(set(tables.overrides) - held)
    if stale:
        tables.errors.append("name_readings.txt: names no table holds: " + " ".join(stale))
    if tables.errors:
        sys.exit("\n".join(sorted(set(tables.errors))))
    for table, names in lists.items():
        write_table(table, "danm" if table.endswith("1") else "shuangm", names, tables)


if __name__ == "__main__":
    main()
