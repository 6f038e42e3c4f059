#!/usr/bin/env python3
"""The cases of one test program run side by side, and a register or controller listens on the
same port at every address: two cases that use the same loopback address (other than 127.0.0.1,
where nothing listens on a fixed port, and the broadcast address) may find it taken. Every such
address belongs to one case of its test folder."""
import collections
import pathlib
import re
import subprocess
import sys

SHARED = {"127.0.0.1", "127.255.255.255"}
CASE = re.compile(r"^TEST(?:_F|_P)?\((\w+),\s*(\w+)\)", re.M)
ADDRESS = re.compile(r"\b127\.\d{1,3}\.\d{1,3}\.\d{1,3}\b")


def main(top):
    files = subprocess.run(["git", "ls-files", "*tests/*.cpp"], cwd=top, capture_output=True,
                           text=True, check=True).stdout.split()
    users = collections.defaultdict(lambda: collections.defaultdict(set))
    for name in files:
        path = pathlib.Path(top, name)
        text = path.read_text(encoding="utf-8")
        starts = [m for m in CASE.finditer(text)]
        for i, case in enumerate(starts):
            end = starts[i + 1].start() if i + 1 < len(starts) else len(text)
            for address in set(ADDRESS.findall(text, case.start(), end)) - SHARED:
                users[str(pathlib.Path(name).parent)][address].add(f"{name}:{case.group(2)}")
    bad = 0
    for folder, addresses in sorted(users.items()):
        for address, cases in sorted(addresses.items()):
            if len(cases) > 1:
                print(f"{address} is used by several cases of {folder}: " + ", ".join(sorted(cases)))
                bad = 1
    return bad


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
