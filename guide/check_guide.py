#!/usr/bin/env python3
"""Checks the built guide against its chapters: every scenario of the pictures got through (a
window or control a scenario looks for that no longer exists fails it), every picture a chapter
shows was made and every picture made is shown, and both editions hold the pictures.

usage: check_guide.py CHAPTER_FOLDER GUIDE_FOLDER [SOURCE...]
(each source file's chapter names, "NN-name", must be chapters: Help opens them)
"""

import os
import re
import sys


def lines(path):
    with open(path, encoding="utf-8") as f:
        return f.read().splitlines()


def problems(chapters, guide, *sources):
    found = []
    for source in sources:
        for chapter in re.findall(r'"(\d\d-[a-z-]+)"', "\n".join(lines(source))):
            if not os.path.exists(os.path.join(chapters, chapter + ".md")):
                found.append("%s names the chapter %s, which is gone" % (source, chapter))
    pictures = os.path.join(guide, "pictures")
    failed = lines(os.path.join(pictures, "failed.txt"))
    if failed:
        found.append("scenarios that did not get through (see %s):" %
                     os.path.join(pictures, "reports.txt"))
        found += ["  " + line for line in failed]
    made = set(lines(os.path.join(pictures, "made.txt")))
    shown = set()
    for name in sorted(os.listdir(chapters)):
        if name.endswith(".md"):
            text = "\n".join(lines(os.path.join(chapters, name)))
            for picture in re.findall(r"!\[[^\]]*\]\(pictures/([^)]+)\.png\)", text):
                shown.add(picture)
                if picture not in made:
                    found.append("%s shows the picture %s, which was not made" % (name, picture))
    found += ["the picture %s is made but no chapter shows it" % p for p in sorted(made - shown)]
    page = "\n".join(lines(os.path.join(guide, "TK73TOOL.htm")))
    found += ["the HTML edition lacks the picture %s" % p for p in sorted(shown)
              if 'src="pictures/%s.png"' % p not in page]
    with open(os.path.join(guide, "TK73TOOL.pdf"), "rb") as f:
        images = f.read().count(b"/Subtype /Image")
    if images < len(shown):
        found.append("the PDF edition holds %d pictures of %d" % (images, len(shown)))
    return found


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    found = problems(*sys.argv[1:])
    for line in found:
        print(line)
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
