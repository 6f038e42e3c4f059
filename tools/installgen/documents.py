"""The program file references of the "DOCUMENT" folder (HTML), made from the model definitions,
so they always describe the files that ship.

The user guides beside them are made by the build from the chapters and pictures of guide/
(guide/README.md); the stager and the package add them.
"""

import html

from catalogue import kind_of, title_of

KIND_TEXT = {"plain": "number", "qty": "quantity", "char": "text", "price": "price",
             "bit": "flags (hexadecimal)", "code": "item code"}

def html_page(title, body):
    out = ['<!DOCTYPE html>', '<html lang="en">', '<head>',
           '<meta charset="windows-1252">', '<title>%s</title>' % html.escape(title),
           '<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}'
           'td,th{border:1px solid #999;padding:2px 6px;text-align:left}</style>',
           '</head>', '<body>'] + body + ['</body>', '</html>']
    return "".join(line + "\r\n" for line in out).encode("cp1252")


def reference(title, models):
    """An HTML page describing the program files and setting items of the given models."""
    out = ['<h1>%s</h1>' % html.escape(title),
           '<p>Each program file is a text file of fixed-length records. Every field is '
           'written in double quotes: text padded with blanks, numbers filled with zeros, '
           'flags as hexadecimal digits. A numeric field of n bytes shows 2n digits.</p>']
    for name, files, menus in models:
        out.append('<h2>%s</h2>' % html.escape(name))
        for number in sorted(files):
            f = files[number]
            out.append('<h3>FILE%03d - %s</h3>' % (number, html.escape(f.title)))
            out.append('<p>%d records, record numbers of %d digits.</p>' % (f.record_count,
                                                                           f.number_width))
            out.append('<table><tr><th>#</th><th>Field</th><th>Title</th><th>Kind</th>'
                       '<th>Bytes</th><th>Characters</th></tr>')
            for n, field in enumerate(f.fields, start=1):
                out.append('<tr><td>%d</td><td>%03d</td><td>%s</td><td>%s</td><td>%d</td>'
                           '<td>%d</td></tr>' % (n, field.number,
                                                 html.escape(title_of(field.number).strip()),
                                                 KIND_TEXT[kind_of(field.number)], field.length,
                                                 field.width))
            out.append('</table>')
        out.append('<h3>Setting items</h3><table><tr><th>Menu</th><th>Item</th><th>Title</th>'
                   '<th>File</th><th>Records</th><th>Field</th><th>Type</th><th>Position</th>'
                   '<th>Width</th></tr>')
        for menu in sorted(menus):
            for i in menus[menu]:
                out.append('<tr><td>%d</td><td>%d</td><td>%s</td><td>%03d</td><td>%s</td>'
                           '<td>%03d</td><td>%s</td><td>%d</td><td>%d</td></tr>' % (
                               menu, i.number, html.escape(i.title or ""), i.file, i.memory,
                               i.field, i.kind, i.position, i.width))
        out.append('</table>')
    return html_page(title, out)


def document_tree(registers, controllers):
    """registers and controllers: lists of (shape, files, menus)."""
    tree = {}

    def named(entries):
        return [("%s (%s)" % (s.info.name, s.info.indent), f, m) for s, f, m in entries]

    tree["DOCUMENT/DT_HA/VEK.htm"] = reference("Controller program files", named(controllers))
    tree["DOCUMENT/DT_HB/ECR.htm"] = reference(
        "Register program files - model 301",
        named([r for r in registers if r[0].info.number == 301]))
    tree["DOCUMENT/DT_HC/ECR.htm"] = reference(
        "Register program files", named([r for r in registers if r[0].info.number != 301]))
    return tree
