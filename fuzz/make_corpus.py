#!/usr/bin/env python3
# SPDX-License-Identifier: BSD-2-Clause
"""Writes the seed corpus into fuzz/corpus/ (run from anywhere; it replaces the folder).

A seed is byte 0 (the fuzzer's command line, an index into its table),
byte 1 (flags: 1 the UTF-8 locale, 2 standard input) and the INI text;
for the command lines that take a pattern from the input, the text starts
with the pattern and a line feed.
"""
import hashlib
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
EXAMPLE = (HERE.parent / "examples" / "app.ini").read_bytes()

# Indices into the fuzzer's command table.
HOST_PORT, QUOTED_ALL, GLOB_OVERRIDE, REGEX_A_B, SECTIONS, ALL_FIRST, CHECK, EMPTY_SECTION = range(8)
QUOTED_NAMED, NO_NAME, REGEX_DIGIT, QUOTED_FIRST, QUOTED_ONE = range(8, 13)
INPUT_GLOB, INPUT_REGEX, INPUT_VALUE_REGEX = range(13, 16)
UTF8, STDIN = 1, 2

SNIPPETS = {
    "example": (EXAMPLE, [HOST_PORT, QUOTED_ALL, SECTIONS, ALL_FIRST, CHECK, QUOTED_NAMED,
                          REGEX_DIGIT, QUOTED_FIRST, (HOST_PORT, STDIN), (QUOTED_ALL, UTF8)]),
    "headers": (b"[db]\nhost=a\n[ s ]\na=1\n[s]\nab = xb\n[]]\n[]x]\n[a b]\n  [db]  \nport=5\n",
                [HOST_PORT, SECTIONS, GLOB_OVERRIDE, ALL_FIRST]),
    "continued": (b"[s]\na = b \\\n  c\nab = x\\\\\n\ny\nb=\\\n[s]\nba = \\\n# x\\\n\n",
                  [GLOB_OVERRIDE, REGEX_A_B, NO_NAME, QUOTED_ONE]),
    "crlf": (b"[db]\r\nhost = alpha\r\nport=1\r\r\n\r\n[s]\r\na=x\rb\r\n",
             [HOST_PORT, QUOTED_ALL, NO_NAME]),
    "nul": (b"[db]\nhost=a\0b\nport=\0\n[s\0]\n[s]\na=1\0\\\nb\n", [HOST_PORT, SECTIONS, NO_NAME]),
    "bom": (b"\xef\xbb\xbf[db]\nhost=x\n\xef\xbb\xbf[s]\n", [HOST_PORT, SECTIONS, (ALL_FIRST, UTF8)]),
    "long": (b"[s]\na=" + b"x" * 600 + b"\\\n" + b" y" * 300 + b"\n" + b"[" + b"n" * 300 + b"]\n",
             [GLOB_OVERRIDE, SECTIONS]),
    "quotes": (b"[db]\nhost=it's ''' \"q\" $(x) `y`\nport='\n[s]\na='\n",
               [QUOTED_ALL, QUOTED_NAMED, QUOTED_ONE]),
    "names": (b"[db]\n==x\n= = y\n/x=1\n$(a)=2\nh;st=3\n'q'=4\n\xc3\xa9=5\n",
              [QUOTED_ALL, (QUOTED_ALL, UTF8), HOST_PORT]),
    "before-header": (b"a=1\nab=2\n[s]\na=3\nab=4 a\n[t]\n", [ALL_FIRST, EMPTY_SECTION,
                                                              GLOB_OVERRIDE, QUOTED_FIRST]),
    "bad-variable": (b"[s]\na=1\n[t]\na b = c\n", [ALL_FIRST, NO_NAME, SECTIONS]),
    "bad-header": (b"[s]\na=1\n[t] ; note\n", [SECTIONS, NO_NAME]),
    "utf8": (b"[s]\na\xc3\xa9=b\xe2\x82\xac\nab=\xff b\n", [(REGEX_A_B, UTF8), REGEX_A_B,
                                                        (GLOB_OVERRIDE, UTF8)]),
    "comments": (b"# c\n; d\n   \n\t\n\x0b\n", [ALL_FIRST, SECTIONS]),
    "trailing-space": (b"[s]\na = b \t\x0b\x0c\nab=\\ \n", [NO_NAME, GLOB_OVERRIDE, QUOTED_ONE]),
    "unfinished": (b"[s]\na=b\\", [NO_NAME]),
    "input-glob": (b"a[b-d]*\n[s]\nab=1\nb=2\nac\\=3\n", [INPUT_GLOB]),
    "input-regex": (b"^a.\\z\n[s]\nab=1\nb=2\n", [INPUT_REGEX, (INPUT_REGEX, UTF8)]),
    "input-value-regex": (b"(\\d)+$\n[s]\na=1\nb=x2\nc=y\n", [INPUT_VALUE_REGEX]),
}


def main():
    corpus = HERE / "corpus"
    shutil.rmtree(corpus, ignore_errors=True)
    corpus.mkdir()
    seen = {}
    for name, (text, uses) in SNIPPETS.items():
        for use in uses:
            command, flags = use if isinstance(use, tuple) else (use, 0)
            data = bytes([command, flags]) + text
            digest = hashlib.sha1(data).hexdigest()
            assert digest not in seen, f"{name} repeats {seen[digest]}"
            suffix = {0: "", UTF8: "-utf8", STDIN: "-stdin"}[flags]
            seen[digest] = f"{name}-c{command:02d}{suffix}"
            (corpus / seen[digest]).write_bytes(data)
    print(f"{len(seen)} seeds in {corpus.relative_to(HERE.parent)}")


if __name__ == "__main__":
    main()
