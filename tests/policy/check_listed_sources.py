#!/usr/bin/env python3
"""Every source and header of the repository is listed in a target of its folder's
CMakeLists.txt: a file that no target lists is not built, and nothing else would say so. The
configure writes what the targets list (tk73_write_listed_sources in cmake/TK73Targets.cmake)."""
import pathlib
import subprocess
import sys

SOURCES = ("*.cpp", "*.h", "*.c")


def main(top, listed_file):
    files = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard",
                            *SOURCES], cwd=top, capture_output=True, text=True,
                           check=True).stdout.split()
    listed = set(pathlib.Path(listed_file).read_text(encoding="utf-8").split())
    missing = [name for name in sorted(set(files)) if name not in listed
               and pathlib.Path(top, name).exists()]
    for name in missing:
        print(f"{name} is listed in no target: add it to the SOURCES of its target in the "
              "CMakeLists.txt of its folder (and configure again)")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
