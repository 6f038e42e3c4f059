#!/usr/bin/env python3
"""Takes the guide's pictures from the real programs.

Each picture is a scenario of guide/ui/ played by the program agent inside a program of the
suite, started as users start it (offscreen, with the pinned test fonts) on the demo
installation: the installation staged afresh for the layout, the sample shop laid into it, the
registry hives and known folders in a private home. The scenarios list: guide/shots.txt.
Writes the pictures and "made.txt" (one picture name a line) into the output folder, and
"failed.txt" naming every scenario that did not get through, and the scenarios' reports in
"reports.txt".
"""

import fcntl
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from build_html import write_editions

HERE = os.path.dirname(os.path.abspath(__file__))

LIMIT_SECONDS = 60


def shots(listing):
    """(mode, program, switches, scenario, goes on) per line of the list: "mode program scenario
    switches...", the mode written "+mode" when the scenario goes on in the home the scenario
    before it left (a store it made, a setting it changed)."""
    with open(listing, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].split()
            if line:
                yield int(line[0].lstrip("+")), line[1], " ".join(line[3:]), line[2], \
                    line[0].startswith("+")


def staged_home(bin_dir, mode, root):
    """The demo installation for the layout with its own home; the environment for it."""
    stage = os.path.join(root, "installation")
    home = os.path.join(root, "home")
    env = dict(os.environ)
    env.update({
        "QT_QPA_PLATFORM": "offscreen",
        "TK73_MACHINE_HIVE": os.path.join(stage, "machine.reg"),
        "TK73_USER_HIVE": os.path.join(home, "user.reg"),
        "TK73_COMMON_APPDATA": os.path.join(home, "common"),
        "TK73_LOCAL_APPDATA": os.path.join(home, "local"),
        "TK73_DOCUMENTS": os.path.join(home, "documents"),
        "TK73_TEMP": os.path.join(home, "temp"),
        "TK73_MEDIA_FOLDERS": os.path.join(home, "media"),
        "HOME": home,
        "XDG_CONFIG_HOME": os.path.join(home, "config"),
        "XDG_DATA_HOME": os.path.join(home, "data"),
        "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
        # No desktop viewer: Help shows the guide in the suite's own window.
        "TK73_OPENER": os.path.join(home, "no-viewer"),
    })
    for name in ("common", "local", "documents", "temp", "config", "data", "media/SDCARD"):
        os.makedirs(os.path.join(home, name), exist_ok=True)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    subprocess.run([os.path.join(bin_dir, "tk73stage"), stage, "--mode", str(mode), "--replace"],
                   env=env, check=True, stdout=subprocess.DEVNULL)
    # Help shows the chapters as they are now, with the pictures of the last build (if any).
    write_editions(os.path.join(HERE, "chapters"), os.path.join(HERE, "editions.txt"),
                   os.path.join(stage, "install", "DOCUMENT"))
    # The register search of the LAN dialogs stays on this computer.
    with open(env["TK73_MACHINE_HIVE"], "a", encoding="utf-8") as hive:
        hive.write('\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN]\n'
                   '"BroadcastAddress"="127.0.0.1"\n')
    card = os.path.join(home, "media", "SDCARD")
    subprocess.run([os.path.join(bin_dir, "tk73demo"), "--mode", str(mode), "--card", card],
                   env=env, check=True, stdout=subprocess.DEVNULL)
    env["TK73_AGENT_ARG_CARD"] = card
    return env


def expanded(word, work):
    """A word of the program's switches; "@FILEnnnP" names that program file of the store."""
    if not word.startswith("@"):
        return word
    for folder, _, names in sorted(os.walk(work)):
        if word[1:] + ".TXT" in names and "MAINTE" in folder.upper():
            return os.path.join(folder, word[1:] + ".TXT")
    return word


def play(bin_dir, out, work, env, program, switch, scenario):
    """Whether the scenario got through, and its report."""
    env = dict(env)
    report = os.path.join(work, "report.txt")
    if os.path.exists(report):
        os.remove(report)
    env.update({
        # The program agent, a Qt generic plugin beside the programs, plays the scenario from
        # the guide's scenario library (tests/programs/README.md).
        "QT_PLUGIN_PATH": os.path.join(bin_dir, "agent"),
        "QT_QPA_GENERIC_PLUGINS": "tk73agent",
        "TK73_AGENT_LIBRARY": os.path.join(bin_dir, "libguide_scenarios.so"),
        "TK73_AGENT_SCENARIO": scenario,
        "TK73_AGENT_REPORT": report,
        "TK73_AGENT_PICTURES": out,
        "TK73_AGENT_ARG_PICTURES": out,
        "TK73_AGENT_ARG_WORK": work,
    })
    command = [os.path.join(bin_dir, program)] + [expanded(word, work) for word in switch.split()]
    # A session of its own: whatever the scenario started (a register simulator) ends with it.
    process = subprocess.Popen(command, env=env, cwd=work, start_new_session=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        code = process.wait(timeout=LIMIT_SECONDS)
    except subprocess.TimeoutExpired:
        code = "timeout"
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()
    lines = open(report, encoding="utf-8", errors="replace").read().splitlines() \
        if os.path.exists(report) else []
    return code == 0 and "END" in lines and not any(l.startswith("FAIL") for l in lines), \
        ["%s %s %s: exit %s" % (program, switch, scenario, code)] + lines


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: make_pictures.py BIN_FOLDER SHOT_LIST OUT_FOLDER")
    bin_dir, listing, out = (os.path.abspath(a) for a in sys.argv[1:])
    os.makedirs(out, exist_ok=True)
    # The pictures of the last run stay until this one has made its own: the help window of the
    # suite shows them meanwhile.
    start = time.time() - 1
    failed, reports = [], []
    # A short folder of the same name each time: the SD card dialog shows its path. Builds of
    # other work trees take their turns at it.
    work = os.path.join(tempfile.gettempdir(), "tk73guide")
    turn = open(work + ".lock", "w")
    fcntl.flock(turn, fcntl.LOCK_EX)
    env = None
    for mode, program, switch, scenario, goes_on in shots(listing):
        if not goes_on or env is None:
            shutil.rmtree(work, ignore_errors=True)
            env = staged_home(bin_dir, mode, work)
        passed, report = play(bin_dir, out, work, env, program, switch, scenario)
        reports += report
        failed += [] if passed else report[:1]
    shutil.rmtree(work, ignore_errors=True)
    turn.close()
    for old in os.listdir(out):
        if old.endswith(".png") and os.path.getmtime(os.path.join(out, old)) < start:
            os.remove(os.path.join(out, old))
    made = sorted(name[:-4] for name in os.listdir(out) if name.endswith(".png"))
    with open(os.path.join(out, "made.txt"), "w", encoding="utf-8") as f:
        f.write("".join(name + "\n" for name in made))
    with open(os.path.join(out, "failed.txt"), "w", encoding="utf-8") as f:
        f.write("".join(line + "\n" for line in failed))
    with open(os.path.join(out, "reports.txt"), "w", encoding="utf-8") as f:
        f.write("".join(line + "\n" for line in reports))
    print("%d pictures, %d scenarios failed" % (len(made), len(failed)))


if __name__ == "__main__":
    main()
