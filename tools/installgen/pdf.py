"""A small PDF writer for the manuals: A4 pages of headings, wrapped paragraphs and pictures.

Text uses the standard Helvetica fonts with WinAnsiEncoding, so Windows-1252 bytes print as
they are. A picture ("image" block: a PNG file) is embedded as its RGB pixels, compressed. The
output depends only on the input (no dates, no random identifiers).
"""

import textwrap
import zlib

from png_pixels import png_rgb

PAGE_WIDTH, PAGE_HEIGHT = 595, 842
MARGIN = 56
BODY_SIZE, HEADING_SIZE, TITLE_SIZE = 10, 13, 18
LINE_CHARS = 92


def escape(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


def layout(blocks):
    """Pages of (font, size, y, text) lines from ("title"|"heading"|"text"|"item", text)."""
    pages, page, y = [], [], PAGE_HEIGHT - MARGIN
    for kind, text in blocks:
        if kind == "image":
            width, height = picture_size(text)
            if y - 8 - height < MARGIN:
                pages.append(page)
                page, y = [], PAGE_HEIGHT - MARGIN
            y -= 8 + height
            page.append(("image", width, y, text))
            continue
        if kind == "title":
            lines, font, size, before = [text], "F2", TITLE_SIZE, 0
        elif kind == "heading":
            lines, font, size, before = [text], "F2", HEADING_SIZE, 10
        elif kind == "item":
            lines = textwrap.wrap(text, LINE_CHARS - 4, initial_indent="- ",
                                  subsequent_indent="  ")
            font, size, before = "F1", BODY_SIZE, 0
        else:
            lines, font, size, before = textwrap.wrap(text, LINE_CHARS), "F1", BODY_SIZE, 4
        step = size + 4
        if y - before - step * min(len(lines), 3) < MARGIN:
            pages.append(page)
            page, y = [], PAGE_HEIGHT - MARGIN
        y -= before
        for line in lines:
            if y - step < MARGIN:
                pages.append(page)
                page, y = [], PAGE_HEIGHT - MARGIN
            y -= step
            page.append((font, size, y, line))
    pages.append(page)
    return pages


def picture_size(path):
    """The picture's size on the page in points: at most the text width, 96 pixels an inch."""
    width, height, _ = png_rgb(path)
    scale = min(0.75, (PAGE_WIDTH - 2 * MARGIN) / width)
    return width * scale, height * scale


def picture_object(path):
    width, height, rgb = png_rgb(path)
    pixels = zlib.compress(rgb, 9)
    return (b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB "
            b"/BitsPerComponent 8 /Filter /FlateDecode /Length %d >>\nstream\n"
            % (width, height, len(pixels)) + pixels + b"\nendstream")


def pdf_bytes(blocks):
    pages = layout(blocks)
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>", None,
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
               b"/Encoding /WinAnsiEncoding >>",
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold "
               b"/Encoding /WinAnsiEncoding >>"]
    kids = []
    pictures = {}
    for number, page in enumerate(pages, start=1):
        ops = ["BT"]
        drawn = []
        for entry in page:
            if entry[0] == "image":
                drawn.append(entry)
                continue
            font, size, y, text = entry
            ops.append("/%s %d Tf 1 0 0 1 %d %d Tm (%s) Tj" % (font, size, MARGIN, y,
                                                              escape(text)))
        ops.append("/F1 8 Tf 1 0 0 1 %d %d Tm (%d / %d) Tj" % (PAGE_WIDTH // 2 - 10, MARGIN // 2,
                                                              number, len(pages)))
        ops.append("ET")
        names = []
        for _, width, y, path in drawn:
            if path not in pictures:
                objects.append(picture_object(path))
                pictures[path] = len(objects)
            name = "Im%d" % pictures[path]
            names.append(name)
            ops.append("q %.2f 0 0 %.2f %d %.2f cm /%s Do Q" % (
                width, picture_size(path)[1], MARGIN, y, name))
        xobjects = "".join("/%s %d 0 R " % (n, int(n[2:])) for n in sorted(set(names)))
        stream = "\n".join(ops).encode("cp1252")
        objects.append(b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream")
        content = len(objects)
        resources = b"/Font << /F1 3 0 R /F2 4 0 R >>"
        if xobjects:
            resources += b" /XObject << " + xobjects.encode("ascii") + b">>"
        objects.append(b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] "
                       b"/Resources << %s >> /Contents %d 0 R >>"
                       % (PAGE_WIDTH, PAGE_HEIGHT, resources, content))
        kids.append(len(objects))
    objects[1] = b"<< /Type /Pages /Kids [%s] /Count %d >>" % (
        b" ".join(b"%d 0 R" % k for k in kids), len(kids))
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for number, body in enumerate(objects, start=1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, xref)
    return bytes(out)
