#!/usr/bin/env python3
"""The guide's HTML editions: every chapter of guide/chapters/ (in the order of their file names)
made into one page with a table of contents, with Python-Markdown, once for each edition of
guide/editions.txt (NAME.htm, with the edition's title and opening paragraph).

A link to a chapter's file ("04-lan.md") becomes a link to that chapter in the page
("#04-lan"); the help window of the suite opens a chapter the same way. Pictures stay where the
chapters name them, relative to the page ("pictures/NAME.png"), each at most the page's width;
where they have not been taken (the sanitizer build takes none) the page names them all the
same.
"""

import html
import os
import re
import struct
import sys

import markdown

# The widest picture a page shows at its own size; wider ones are scaled down.
PAGE_PIXELS = 620
STYLE = ("body{font-family:sans-serif;max-width:50em;margin:2em auto;line-height:1.4}"
         "table{border-collapse:collapse}td,th{border:1px solid #999;padding:3px 6px;"
         "text-align:left;vertical-align:top}img{border:1px solid #bbb}"
         "code,pre{background:#f2f2f2}h1{border-bottom:2px solid #2a4d7f;color:#2a4d7f}")


def chapters(folder):
    return sorted(name for name in os.listdir(folder) if re.match(r"\d\d-.*\.md$", name))


def png_width(path):
    """The picture's width in pixels; None when there is no picture."""
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        head = f.read(24)
    return struct.unpack(">I", head[16:20])[0]


def chapter_html(folder, name, out):
    with open(os.path.join(folder, name), encoding="utf-8") as f:
        text = f.read()
    body = markdown.markdown(text, extensions=["tables", "fenced_code"])
    stem = name[:-3]
    body = re.sub(r'href="(\d\d-[^"#]*)\.md"', r'href="#\1"', body)
    body = body.replace("<h1>", '<h1><a name="%s"></a>' % stem, 1)
    body = body.replace("<table>", '<table border="1" cellspacing="0" cellpadding="4">')

    def sized(match):
        alt, source = match.groups()
        width = png_width(os.path.join(out, source))
        size = ' width="%d"' % min(width, PAGE_PIXELS) if width else ""
        return '<img %ssrc="%s"%s' % (alt or "", source, size)
    body = re.sub(r'<img (alt="[^"]*" )?src="([^"]+)"', sized, body)
    title = re.search(r"^# (.+)$", text, re.M).group(1)
    sections = re.findall(r"^## (.+)$", text, re.M)
    return stem, title, sections, body


def editions(path):
    """(name, title, opening) per edition."""
    with open(path, encoding="utf-8") as f:
        return [tuple(line.rstrip("\n").split("|")) for line in f
                if line.strip() and not line.startswith("#")]


def page(parts, title, opening):
    toc = ["<h1>%s</h1>" % html.escape(title), "<p>%s</p>" % html.escape(opening),
           "<h2>Contents</h2>", "<ol>"]
    for stem, chapter, sections, _ in parts:
        toc.append('<li><a href="#%s">%s</a>' % (stem, html.escape(chapter)))
        if sections:
            toc.append("<ul>%s</ul>" % "".join("<li>%s</li>" % html.escape(s) for s in sections))
        toc.append("</li>")
    toc.append("</ol>")
    body = toc + [b for _, _, _, b in parts]
    return ('<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
            "<title>%s</title>\n<style>%s</style>\n</head>\n<body>\n%s\n</body>\n</html>\n"
            % (html.escape(title), STYLE, "\n".join(body)))


def write_editions(folder, listing, out):
    parts = [chapter_html(folder, name, out) for name in chapters(folder)]
    for name, title, opening in editions(listing):
        # Written beside and moved into place: a staged installation links the built pages, and
        # writing one of them in place would change the other.
        target = os.path.join(out, name + ".htm")
        with open(target + ".new", "w", encoding="utf-8") as f:
            f.write(page(parts, title, opening))
        os.replace(target + ".new", target)


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: build_html.py CHAPTER_FOLDER EDITIONS OUT_FOLDER")
    write_editions(*sys.argv[1:])


if __name__ == "__main__":
    main()
