#!/usr/bin/env python3
# check_key_lists.py -- the keys of `football --help` (printed from the program's key guide,
# frame/key_guide.cpp) are the keys of the manual page, docs/usage.md's key table and the Windows
# START-HERE text: names each key missing from, or extra in, each of them; and the web page's
# help line names every key the page acts on.
# Usage: check_key_lists.py FOOTBALL SOURCE_DIR
import os
import re
import subprocess
import sys

# A listed key: two spaces, the key (or keys, "O, L"), two or more spaces, what it does.
LISTED_KEY = re.compile(r"^  (\S.*?)  +\S", re.M)


def split_keys(text):
    return [key.strip() for key in text.split(", ")]


def between(text, start, end, name):
    begin = text.find(start)
    if begin < 0:
        sys.exit("%s has no %r" % (name, start))
    stop = text.find(end, begin + len(start))
    return text[begin + len(start):stop if stop >= 0 else len(text)]


# The guide's keys the page leaves to the browser or does not have (S saves its picture).
NOT_ON_THE_PAGE = {"F12", "Print Screen", "Alt+Enter", "Escape", "Alt+F4"}


def page_help_keys(page):
    """The keys the page's help line names: words, and ranges such as 2&ndash;5 spelt out."""
    line = between(page, '<p id="help"', "</p>", "web/page/index.html")
    line = re.sub(r"(\d)&ndash;(\d)",
                  lambda m: " ".join(str(n) for n in range(int(m[1]), int(m[2]) + 1)), line)
    return set(re.findall(r"[A-Za-z0-9]+", line))


def main(program, source):
    def read(path):
        with open(os.path.join(source, path), encoding="utf-8") as f:
            return f.read()

    help_text = subprocess.run([program, "--help"], capture_output=True, text=True,
                               check=True).stdout
    guide = LISTED_KEY.findall(between(help_text, "\nKeys", "\n\n", "football --help"))
    manual = between(read("packaging/football.6.in"), "\n.SH KEYS\n", "\n.SH ", "football.6.in")
    usage = between(read("docs/usage.md"), "| Key | What it does |\n|---|---|\n", "\n\n",
                    "docs/usage.md")
    start_here = between(read("packaging/windows/START-HERE.txt"), "\nKeys\n----\n", "\n\n\n",
                         "START-HERE.txt")
    lists = {
        "the manual page (packaging/football.6.in)":
            [key for line in re.findall(r"^\.TP\n\.B (.+)$", manual, re.M)
             for key in split_keys(line)],
        "docs/usage.md's key table": [row.split(" | ")[0].lstrip("| ") for row in
                                      usage.strip().split("\n")],
        "START-HERE.txt": [key for keys in LISTED_KEY.findall(start_here)
                           for key in split_keys(keys)],
    }
    failures = []
    if not guide:
        failures.append("football --help lists no keys")
    for name, keys in lists.items():
        for key in guide:
            if key not in keys:
                failures.append("%s lacks %s, which football --help lists" % (name, key))
        for key in keys:
            if key not in guide:
                failures.append("%s lists %s, which football --help does not" % (name, key))
    named = page_help_keys(read("web/page/index.html"))
    for key in guide:
        if key not in NOT_ON_THE_PAGE and key not in named:
            failures.append("the web page's help line lacks %s, which football --help lists" %
                            key)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
