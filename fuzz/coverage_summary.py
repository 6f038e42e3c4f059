#!/usr/bin/env python3
"""The per-function summary of a fuzz target's coverage, and the check of its reach list.

coverage_summary.py EXPORT REACH SOURCE_DIR LABEL INPUTS OUT

EXPORT is llvm-cov's JSON export of one target's run over its corpus, with the files of the
suite's own sources (the export lists the functions of the others too, which are left out).
Writes OUT/functions.txt
(every function of the suite's sources that the target links: the calls the inputs made, the code
regions they ran, where it is defined and its name) and OUT/summary.txt (the totals, the files
that hold a listed function, and each listed function with its calls). REACH lists the functions
the target must reach, one a line: the source file below SOURCE_DIR and the qualified name as
the demangler writes it, without the parameters ("network/file_receive.cpp
(anonymous namespace)::finishFile"); # starts a comment. Exits with 1 when one of them was not
called, or names no function at all.
"""

import json
import os
import subprocess
import sys

CODE_REGION = 0


def demangled(names):
    """The demangled names, in order. A function of internal linkage comes as "file:symbol"."""
    symbols = [name.rsplit(":", 1)[-1] for name in names]
    out = subprocess.run(["llvm-cxxfilt"], input="\n".join(symbols) + "\n", text=True,
                         capture_output=True, check=True).stdout
    return out.splitlines()[:len(symbols)]


def relative(path, source_dir):
    path = os.path.normpath(path)
    return os.path.relpath(path, source_dir) if path.startswith(source_dir + "/") else path


def reach_list(path):
    entries = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.split("#", 1)[0].strip()
            if line:
                source, name = line.split(None, 1)
                entries.append((source, name.strip()))
    return entries


def percent(part, whole):
    return f"{100.0 * part / whole:.1f}%" if whole else "-"


def main():
    export_path, reach_path, source_dir, label, inputs, out = sys.argv[1:7]
    source_dir = os.path.realpath(source_dir)
    with open(export_path, encoding="utf-8") as export:
        data = json.load(export)["data"][0]

    # (file, name) -> [calls, regions run, regions, first line]; an inline function appears
    # once for every library that holds it.
    functions = {}
    kept = {item["filename"] for item in data["files"]}
    raw = [f for f in data["functions"] if f["filenames"][0] in kept]
    for function, name in zip(raw, demangled([f["name"] for f in raw])):
        source = relative(function["filenames"][0], source_dir)
        name = name.replace("[abi:cxx11]", "")
        code = [r for r in function["regions"] if r[7] == CODE_REGION and r[5] == 0]
        entry = functions.setdefault((source, name), [0, 0, 0, code[0][0] if code else 0])
        entry[0] += function["count"]
        entry[1] = max(entry[1], sum(1 for r in code if r[4] > 0))
        entry[2] = max(entry[2], len(code))

    with open(os.path.join(out, "functions.txt"), "w", encoding="utf-8") as listing:
        listing.write(f"{'calls':>10}  {'regions':>9}  where / function\n")
        for (source, name), (calls, run, regions, line) in sorted(
                functions.items(), key=lambda item: (item[0][0], item[1][3], item[0][1])):
            listing.write(f"{calls:>10}  {run:>4}/{regions:<4}  {source}:{line}  {name}\n")

    def called(source, name):
        matches = [calls for (where, full), (calls, _, _, _) in functions.items()
                   if where == source and (full == name or full.startswith(name + "("))]
        return sum(matches) if matches else None

    totals = data["totals"]
    lines = [f"{label}: {inputs} inputs; functions {totals['functions']['covered']}/"
             f"{totals['functions']['count']} reached ({percent(totals['functions']['covered'], totals['functions']['count'])}), "
             f"lines {percent(totals['lines']['covered'], totals['lines']['count'])}, "
             f"regions {percent(totals['regions']['covered'], totals['regions']['count'])}"]
    entries = reach_list(reach_path)
    listed_files = {source for source, _ in entries}
    for item in data["files"]:
        source = relative(item["filename"], source_dir)
        if source in listed_files:
            summary = item["summary"]
            lines.append(f"  {source}: functions {summary['functions']['covered']}/"
                         f"{summary['functions']['count']}, lines "
                         f"{percent(summary['lines']['covered'], summary['lines']['count'])}")
    missing = 0
    for source, name in entries:
        calls = called(source, name)
        if not calls:
            missing += 1
        state = "reached" if calls else ("NOT REACHED" if calls == 0 else "NO SUCH FUNCTION")
        lines.append(f"  {state:<16} {calls or 0:>9}  {source} {name}")
    lines.append(f"{label}: {len(entries) - missing}/{len(entries)} listed functions reached")
    text = "\n".join(lines) + "\n"
    with open(os.path.join(out, "summary.txt"), "w", encoding="utf-8") as summary:
        summary.write(text)
    sys.stdout.write(text)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
