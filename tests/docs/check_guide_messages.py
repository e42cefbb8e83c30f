#!/usr/bin/env python3
"""Checks that the user's guide names every message the operator can see.

The messages are the MESSAGE_ENTRY texts of both programs' string tables and the lines of
docs/messages-extra.txt. Each must appear in docs/guide.md as pandoc renders it to plain
text: white space (line feeds included) and typographic quotes are normalised, and each
printf placeholder stands for any text of up to 200 characters, so a message stays in one
piece. Prints each missing message and "guide-messages: N passed, N failed"; exits
non-zero when one is missing.
"""
import codecs
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TABLES = {"Cuebell": "resources/cuebell/strings.inc", "Tonegate": "resources/tonegate/strings.inc"}
EXTRA = ROOT / "docs" / "messages-extra.txt"
ENTRY = re.compile(r'^MESSAGE_ENTRY\(\s*(\w+)\s*,\s*\d+\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)', re.M)
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
PLACEHOLDER = re.compile(r"%[-+ #0]*(?:\d+|\*)?(?:\.\d+)?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn]")
TYPOGRAPHY = str.maketrans({"\u201c": '"', "\u201d": '"', "\u2018": "'", "\u2019": "'",
                            "\u2026": "...", "\u2013": "--", "\u2014": "---", "\u00a0": " "})


def normalise(text):
    return " ".join(text.translate(TYPOGRAPHY).split())


def pattern(message):
    pieces = PLACEHOLDER.split(normalise(message))
    return re.compile(".{0,200}?".join(re.escape(p.replace("%%", "%")) for p in pieces))


def messages():
    """(program, name, text) of every message, tables first."""
    found = []
    for program, path in TABLES.items():
        entries = ENTRY.findall((ROOT / path).read_text(encoding="utf-8"))
        if not entries:
            found.append((program, "MESSAGE_ENTRY", None))  # a table that marks none
        for name, literals in entries:
            text = "".join(LITERAL.findall(literals))
            found.append((program, name, codecs.decode(text, "unicode_escape")))
    for number, line in enumerate(EXTRA.read_text(encoding="utf-8").splitlines(), 1):
        if line.strip() and not line.startswith("#"):
            program, _, text = line.partition(": ")
            found.append((program, f"{EXTRA.name}:{number}", codecs.decode(text, "unicode_escape")))
    return found


def main():
    try:
        rendered = subprocess.run(["pandoc", str(ROOT / "docs" / "guide.md"), "-t", "plain"],
                                  check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        print(f"cannot render the guide with pandoc: {error}")
        return 2
    guide = normalise(rendered)
    passed = failed = 0
    for program, name, text in messages():
        if text is not None and program in TABLES and pattern(text).search(guide):
            passed += 1
            continue
        failed += 1
        if text is None:
            print(f"{program}'s string table marks no message")
        else:
            print(f"not in the guide ({program} {name}): {text!r}")
    print(f"guide-messages: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
