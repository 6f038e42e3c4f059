#!/usr/bin/env python3
"""Compares the suite's profile functions with the answers recorded from Windows.

Runs the driver built here on the cases the recorded answers name (seed and count in their first
line), then compares the two answers of every call. A difference is either one of the deliberate
families below, listed with their reasons in platform/README.md, or a fault: the comparison
fails on any fault and shows the first ones with the starting file of their case.

    compare_answers.py DRIVER ANSWERS [--show N]
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
from collections import Counter

TOKEN = re.compile(rb'"(?:[^"\\]|\\.)*"|\S+')
ESCAPE = re.compile(rb"\\(x[0-9A-F]{2}|.)")
NAMED = {b"r": b"\r", b"n": b"\n", b"t": b"\t", b"0": b"\0", b'"': b'"', b"\\": b"\\"}

# What the Windows functions take for blanks around names, values and lines.
BLANKS = b" \t\r\n\v\f\x1a"
UTF8_MARK = b"\xef\xbb\xbf"
# The size of the driver's buffer that holds any whole answer.
WHOLE_SIZE = 16384
FAMILIES = ("refused write", "kept lines", "documented list end")


def unescape(token):
    if token == b"-" or token == b"none":
        return None
    if not token.startswith(b'"'):
        return int(token)

    def byte(match):
        code = match.group(1)
        return bytes([int(code[1:], 16)]) if code.startswith(b"x") else NAMED[code]

    return ESCAPE.sub(byte, token[1:-1])


class Call:
    """One line of answers: the function, its arguments, its result and what it left behind (the
    buffer, or for a write the file)."""

    def __init__(self, line):
        self.line = line
        tokens = TOKEN.findall(line)
        arrow = tokens.index(b"->")
        self.kind = tokens[0].decode()
        self.args = [unescape(t) for t in tokens[1:arrow]]
        self.result = int(tokens[arrow + 1])
        rest = tokens[arrow + 2 :]
        self.left = unescape(rest[0]) if rest else None
        self.overrun = b"overrun" in rest

    def same_call(self, other):
        return self.kind == other.kind and self.args == other.args

    def size(self):
        return self.args[-1]


def read_cases(lines):
    """[(starting file line, [Call])] in the order of the answers."""
    cases = []
    for line in lines:
        if line.startswith(b"case "):
            cases.append((line, []))
        elif line and cases:
            cases[-1][1].append(Call(line))
    return cases


def starting_file(case_line):
    token = case_line.split(b" ", 2)[2]
    return None if token == b"no-folder" else unescape(token)


def holds_line_end(text):
    return text is not None and (b"\r" in text or b"\n" in text)


def breaks_lines(call):
    """A write of a value whose section, key or value the file's lines cannot hold as they are:
    a line end anywhere, a "]" in the section, a key with "=" or starting with ";" or "["."""
    section, key, value = call.args
    if None in call.args:
        return False
    name = key.strip(BLANKS)
    return (
        any(holds_line_end(text) for text in call.args)
        or b"]" in section
        or b"=" in name
        or name[:1] in (b";", b"[")
    )


def line_form(text):
    """A line as Wine writes it: trimmed, a header's name trimmed, no blanks around "="."""
    text = text.strip(BLANKS)
    if text.startswith(b"[") and b"]" in text:
        close = text.rfind(b"]")
        return b"[" + text[1:close].strip(BLANKS) + b"]"
    name, equals, value = text.partition(b"=")
    return name.rstrip(BLANKS) + equals + value.lstrip(BLANKS) if equals else text


def wine_lines(data):
    """The lines of a file, a UTF-8 file's text decoded the way Windows decodes it."""
    marked = data.startswith(UTF8_MARK)
    body = data[len(UTF8_MARK) :] if marked else data
    if marked:
        body = body.decode("utf-8", errors="replace").encode("utf-8")
    return marked, [line_form(line) for line in re.split(rb"\r\n|\r|\n", body)]


def wine_rewrite(data):
    """The file as Wine writes it back after any change: every line in Wine's form, blank lines,
    headers without a name and the entries Windows drops left out."""
    marked, lines = wine_lines(data)
    kept = []
    empty_name_before = False
    for line in lines:
        if line.startswith(b"[") and line.endswith(b"]"):
            if line != b"[]":
                kept.append(line)
            empty_name_before = False
        elif line:
            empty_name = line.startswith(b"=")
            if not (empty_name and empty_name_before):
                kept.append(line)
            empty_name_before = empty_name
    return marked, kept


def same_as_rewritten(windows_file, our_file):
    """Whether Wine, given our file, would have written its own: the two differ only where Wine
    rewrites lines the call did not concern."""
    marked, lines = wine_lines(windows_file)
    return wine_rewrite(our_file) == (marked, [line for line in lines if line])


def documented_list(whole, size):
    """What the documentation gives for a list (names, each ending in a NUL, and one more NUL)
    in a buffer of that size: the whole list when it fits; else the list cut to size - 2 bytes
    and two NULs, and the result size - 2."""
    if size >= len(whole):
        return len(whole) - 1, whole
    if size >= 2:
        return size - 2, whole[: size - 2] + b"\0\0"
    return 0, b"\0"[:size]


def family(windows, ours, file_before, whole):
    """The deliberate family of a difference, or None for a fault. whole is the answer both
    sides gave to the same call with a buffer large enough for all of it."""
    if not windows.same_call(ours) or ours.overrun:
        return None
    if windows.kind in "SP" and whole is not None and whole.endswith(b"\0\0"):
        size = windows.size()
        kept = max(size - 2, 0)
        if (ours.result, ours.left) == documented_list(whole, size) and (
            windows.left[:kept] == whole[:kept]
        ):
            return "documented list end"
    if windows.kind == "W":
        if breaks_lines(windows) and ours.result == 0 and ours.left == file_before:
            return "refused write"
        if (
            windows.result == ours.result
            and None not in (windows.left, ours.left)
            and same_as_rewritten(windows.left, ours.left)
        ):
            return "kept lines"
    return None


def compare(windows_cases, our_cases, show):
    counts = Counter()
    faults = []
    for (windows_start, windows_calls), (our_start, our_calls) in zip(windows_cases, our_cases):
        if windows_start != our_start:
            faults.append((b"", "the cases differ", windows_start, our_start))
            continue
        file_before = starting_file(our_start)
        wholes = {}
        if len(windows_calls) != len(our_calls):
            counts["fault"] += 1
            faults.append((our_start, "different numbers of calls", b"", b""))
        for windows, ours in zip(windows_calls, our_calls):
            counts["compared"] += 1
            call = (ours.kind, tuple(ours.args[:-1]))
            if ours.kind in "SP" and ours.size() == WHOLE_SIZE:
                wholes[call] = ours.left if windows.line == ours.line else None
            if windows.line == ours.line:
                counts["agreeing"] += 1
            else:
                kind = family(windows, ours, file_before, wholes.get(call))
                counts[kind or "fault"] += 1
                if kind is None:
                    faults.append((our_start, "", windows.line, ours.line))
            if ours.kind == "W":
                file_before = ours.left
    if len(windows_cases) != len(our_cases):
        faults.append((b"", "different numbers of cases", b"", b""))
    print(f"calls compared: {counts['compared']}")
    print(f"agreeing: {counts['agreeing']}")
    for name in FAMILIES:
        print(f"deliberately different, {name}: {counts[name]}")
    print(f"faults: {counts['fault']}")
    for start, what, windows, ours in faults[:show]:
        print()
        print(start.decode("latin-1"))
        if what:
            print(what)
        print("  windows: " + windows.decode("latin-1"))
        print("  ours:    " + ours.decode("latin-1"))
    return not faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("driver")
    parser.add_argument("answers")
    parser.add_argument("--show", type=int, default=20)
    options = parser.parse_args()
    with open(options.answers, "rb") as recorded:
        windows_lines = recorded.read().split(b"\n")
    _, seed, _, count = windows_lines[0].split()
    with tempfile.TemporaryDirectory() as folder:
        # No machine hive: the installation's code page is WINDOWS-1252, the code page the
        # answers were recorded in.
        environment = dict(os.environ, TK73_MACHINE_HIVE=os.path.join(folder, "machine.reg"))
        run = subprocess.run(
            [options.driver, folder, seed, count],
            stdout=subprocess.PIPE,
            check=True,
            env=environment,
        )
    our_lines = run.stdout.split(b"\n")
    ok = compare(read_cases(windows_lines), read_cases(our_lines), options.show)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
