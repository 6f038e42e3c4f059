"""Writes the manual page of tk73 from tk73's own help, so that the page always describes the
program it ships with: help2man turns the overview (tk73 --help) into the page, a COMMANDS
section gets every command's usage and options (tk73 COMMAND --help), EXIT STATUS the exit
codes of tk73's README, and the sections of tk73.h2m add the files and the environment. The page is written compressed and
without a time stamp (help2man dates it by SOURCE_DATE_EPOCH), so the same program gives the
same bytes.

usage: tk73_manual.py TK73 README VERSION SECTIONS OUTPUT.gz
"""

import gzip
import subprocess
import sys
import tempfile
from pathlib import Path


def roff(text):
    """A line of help text as roff: backslashes and hyphens escaped, no request at the start."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def help_of(tk73, *words):
    return subprocess.run([tk73, *words, "--help"], check=True, capture_output=True,
                          text=True).stdout.splitlines()


def command_names(tk73):
    """The commands of the overview: '  store create     a new store ...' gives 'store create'."""
    return [line[2:18].strip() for line in help_of(tk73)[1:] if line.startswith("  ")]


def commands_section(tk73):
    out = ["[COMMANDS]"]
    for name in command_names(tk73):
        usage, summary, *options = help_of(tk73, *name.split())
        out += [".TP", ".B " + roff(usage.removeprefix("usage: ")), roff(summary), ".RS"]
        for option in options:
            flag, _, text = option.strip().partition("  ")
            out += [".TP", ".B " + roff(flag), roff(text.strip())]
        out.append(".RE")
    return "\n".join(out) + "\n"


def exit_status_section(readme):
    """The rows of the README's exit code table ('| 4 | refused: ... |')."""
    text = Path(readme).read_text()
    table = text[text.index("## Exit codes"):].split("\n\n")[1]
    out = ["[EXIT STATUS]"]
    for row in table.splitlines()[2:]:
        code, meaning = (cell.strip() for cell in row.strip("|").split("|", 1))
        out += [".TP", ".B " + code, roff(meaning.replace("`", ""))]
    return "\n".join(out) + "\n"


def main(tk73, readme, version, sections, output):
    with tempfile.TemporaryDirectory() as work:
        commands = Path(work) / "commands.h2m"
        commands.write_text(commands_section(tk73) + exit_status_section(readme))
        page = Path(work) / "tk73.1"
        subprocess.run(["help2man", "--no-info", "--section=1", "--version-string=" + version,
                        "--name=the cash register setting tool's store operations from a script",
                        "--include=" + str(commands), "--include=" + sections,
                        "--output=" + str(page), tk73], check=True)
        with open(output, "wb") as raw, gzip.GzipFile(filename="", mode="wb", fileobj=raw,
                                                      mtime=0, compresslevel=9) as packed:
            packed.write(page.read_bytes())


if __name__ == "__main__":
    main(*sys.argv[1:])
