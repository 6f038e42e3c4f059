"""The text of a definition INI file: sections in a fixed order, CR LF line ends.

Titles are written enclosed in double quotes so that leading blanks survive; every other value
is written as it is.
"""

from catalogue import field_inf, title_of


def numbers(values):
    return ",".join(str(v) for v in values)


def quoted(text):
    return '"%s"' % text


def file_section(pfile):
    view = [f for f in pfile.fields if f.view]
    if pfile.fields[: len(view)] != view:
        raise ValueError(f"file {pfile.number}: program view fields must come first")
    keys = [("ALL_FIELD_NUM", str(len(pfile.fields))), ("PGM_FIELD_NUM", str(len(view)))]
    for n, f in enumerate(pfile.fields, start=1):
        keys.append(("F%02dN" % n, "%d,P" % f.number if f.view else str(f.number)))
        keys.append(("F%02dL" % n, str(f.length)))
        for suffix, value in (("D", f.display), ("E", f.edit), ("M", f.mask)):
            if value:
                keys.append(("F%02d%s" % (n, suffix), value))
    return ("FILE%04d" % pfile.number, keys)


def layout_sections(files):
    """FIELD_INF, the FILE%04d sections, PGMFILES, FIELD_TITLES and PGMICONTITLE."""
    ordered = [files[n] for n in sorted(files)]
    used = [f.number for pfile in ordered for f in pfile.fields]
    sections = [("FIELD_INF", [(key, numbers(values)) for key, values in field_inf(used)])]
    sections += [file_section(pfile) for pfile in ordered]
    sections.append(("PGMFILES", [("%03d" % p.number, quoted(p.title)) for p in ordered]))
    return sections


def titles_sections(files):
    ordered = [files[n] for n in sorted(files)]
    used = sorted({f.number for pfile in ordered for f in pfile.fields})
    return [
        ("FIELD_TITLES", [("%03d" % n, quoted(title_of(n))) for n in used]),
        ("PGMICONTITLE", [("%03d" % p.number, quoted(p.icon)) for p in ordered]),
    ]


def menu_sections(menus):
    return [("PGM_MENU_%03d" % number, [pair for i in items for pair in i.keys()])
            for number, items in sorted(menus.items())]


def ini_text(sections):
    lines = []
    for name, keys in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (key, value) for key, value in keys]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")
