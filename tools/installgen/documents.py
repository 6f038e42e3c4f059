"""The manuals of the "DOCUMENT" folder: user guides (PDF) and program file references (HTML).

The guides share their chapters and differ in the part that explains the tool and the layout
they belong to. Each guide also ships as HTML beside its PDF ("TK73TOOL.htm" beside
"TK73TOOL.pdf"): the suite shows that edition itself where the desktop has no PDF viewer. The
references are made from the model definitions, so they always describe the files that ship.
"""

import html
import os

from catalogue import kind_of, title_of
from pdf import pdf_bytes

KIND_TEXT = {"plain": "number", "qty": "quantity", "char": "text", "price": "price",
             "bit": "flags (hexadecimal)", "code": "item code"}

START = [
    ("heading", "Starting the tool"),
    ("text", "Start the setting tool from its icon. The main window shows one button per kind "
             "of setting: departments, PLUs, groups, receipt and report texts, clerks, general "
             "features, tax tables and graphic logos. Buttons that need setting data stay grey "
             "until data has been created with New or loaded with Open."),
    ("text", "The tool keeps every setting in program files, one file per kind of data, in the "
             "working folder of the current store. The editors change these files in place; "
             "nothing is sent to a register until you save to an SD card or send over the LAN."),
    ("text", "Where your data lives: your own settings (the store on the desktop, window places, "
             "the SD card folder) are kept in tk73 in your configuration folder "
             "(~/.config/tk73), and your stores in tk73 in your data folder "
             "(~/.local/share/tk73). In the professional layout the stores are shared by every "
             "user of the computer in /var/lib/tk73; members of the group tk73 may change them. "
             "The computer's settings (the tool's folders, the code page and the layout) are in "
             "/etc/tk73/machine.reg, which the administrator edits. Backups go to "
             "KELVO/TK73TOOL/BACKUPDB in your documents folder (the controller tool's to "
             "KELVO/VEKSTTL/BACKUPDB) unless you choose another folder."),
]

EDITING = [
    ("heading", "Editing settings"),
    ("item", "Department, PLU, Scanning PLU and Group open the item editor. Pick a record in "
             "the list, change it in the record dialog and press OK."),
    ("item", "Receipt/Journal, Receipt Message, X/Z Report and POP Printing open the receipt "
             "editor. The Preview button shows a sample receipt with your messages."),
    ("item", "Clerk opens the clerk editor, General Feature the option pages, Tax Table the ten "
             "tax tables and the reservation of a future tax change."),
    ("item", "Every page offers Restore defaults, which reads the values shipped with the model "
             "again; nothing is written until you press OK and confirm."),
    ("item", "A field takes only what the register can hold: digits in number fields, a "
             "decimal point only in amounts, and no character the register cannot print. Such "
             "a character is refused as you type and a double quote becomes a blank; the field "
             "says so, and the rest of what you typed stays."),
    ("item", "OK names the field that holds an invalid value and selects it. A PLU code, a "
             "scanning code or a clerk's secret code that another record holds already is "
             "refused too, naming that record; you can go to it and change one of them."),
    ("item", "Ctrl+Z undoes your changes on a page one field at a time, Ctrl+Y redoes them."),
]

LOGOS = [
    ("heading", "Graphic logos"),
    ("text", "Graphic Logo/POP lists every logo the register model prints. Edit... (or a "
             "double click) opens a logo: choose a BMP picture, set the black and white "
             "threshold or dithering, and the preview shows the dots exactly as the register "
             "will print them. Before you choose a picture, the preview shows the logo as it is "
             "now. The same page takes the official receipt's company and address images."),
    ("text", "OK converts every logo you changed into the store's settings; Save to SD card "
             "writes one logo straight to the card. Save on the main window also copies the "
             "store's logos to the card with the rest of the settings."),
]

DETAIL = [
    ("heading", "Detail settings and the data editor"),
    ("text", "Detail Settings lists every program file of the store. Open shows a file in the "
             "data editor, a grid with one row per record and one column per field: type over "
             "a field to change it, copy and paste single fields, whole records or a range of "
             "records, search a column forwards or backwards, and zoom the grid for reading. "
             "Save writes only the values you changed; if another program changed the file in "
             "the meantime, the editor asks before it writes over it."),
    ("text", "Target sets how the editors show each file and field: titles, the icon on the "
             "main window, whether a field is shown or may be edited, and its mask."),
]

CARD = [
    ("heading", "SD card"),
    ("text", "Save writes the whole setting as one archive file to the SD card, in the folder "
             "and under the name the register model expects, together with the graphic logos. "
             "Open reads such an archive back. Save As writes the archive under a name of your "
             "choice and can write a partial PLU file with a range of PLU codes."),
]

CSV = [
    ("heading", "CSV files"),
    ("text", "Export CSV writes one program file of the store as a CSV file under a name of "
             "your choice; Import CSV reads such a file back into the store, all records or "
             "only the fields that identify them (Basic only). A file that does not fit the "
             "program file is refused and the store keeps its data."),
    ("text", "In the export list, Data integration format writes the PLU, department and group "
             "data into one CSV file for other programs: a HEAD-REC line with the export time, a "
             "FILE000P line with the register code, one line per record (FILE004P, FILE005P, "
             "FILE006P and the record number), and an END-REC line. Every value is in double "
             "quotes. When the export fails, the file is kept with the extension .err."),
    ("text", "To open these files in a spreadsheet, import them instead of opening them "
             "directly, and set every column to the Text format in the import dialog. Item "
             "codes, record numbers and prices then keep their leading zeros (04012300000075 "
             "stays as it is)."),
    ("text", "Import CSV takes a file only in the exact layout of the exported one: every value "
             "in double quotes and at its full width. A spreadsheet saves values without the "
             "quotes and the padding, so edit a file for importing in a text editor and keep "
             "each value's width, or change the data with the tool's editors."),
]

# The preview dialog as the spreadsheet chapter shows it; its test makes the picture.
SHEET_PREVIEW_PICTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                     "spreadsheet", "ui", "docs", "sheet_preview_dialog.png")
SHEET_PREVIEW_FILE = "SHEETPRV.png"

SPREADSHEET = [
    ("heading", "Price lists in a spreadsheet"),
    ("text", "The data editor's Write data > To spreadsheet... writes a program file as a "
             "workbook for a spreadsheet program (.xlsx): one sheet per program file, the field "
             "titles in the first row and the record number in the first column. Codes and names "
             "are text cells, so item codes keep their leading zeros; prices are numbers in their "
             "currency unit with their decimal places (a price stored as 00000429 shows 4.29). "
             "The first row and column stay in view while you scroll, and each column refuses a "
             "value the register cannot take: a name longer than the field, a number out of its "
             "range or with too many decimal places, a value that is not in a field's list."),
    ("text", "Edit prices, names and codes, then save the workbook as .xlsx or .ods, or as a CSV "
             "file (comma, semicolon or tab between values; UTF-8 or the Windows code page; a "
             "decimal comma is understood, and codes that lost their leading zeros get them "
             "back). You may sort the rows, move or leave out columns and add columns of your "
             "own: rows are matched to records by the Record column and columns to fields by "
             "their titles, and columns of your own are passed over."),
    ("text", "Read data > From spreadsheet... reads the file and checks every value as the "
             "editors check a typed one: the field's width, its range and decimal places, the "
             "characters the register can print, and codes that must differ from record to "
             "record. Nothing is written yet: the preview lists every field that would change "
             "with its old and new value, the number of records that stay as they are, and on a "
             "tab of its own every refused row with its row number in the spreadsheet, the "
             "column and the reason. Click a column's title to sort by it."),
    ("image", SHEET_PREVIEW_PICTURE),
    ("text", "Apply writes the changes when no row is refused. When rows are refused, correct "
             "them in the spreadsheet and read it again, or choose Apply valid rows only to take "
             "the other rows now; Cancel writes nothing. The program file changes all at once. In "
             "the data editor the changes appear in the grid, and Save writes them to the store."),
    ("text", "A workbook remembers the model it was written for in a hidden sheet: reading it "
             "into a store of another model is refused whole, so that one model's prices never "
             "land in another's fields. A CSV file carries no such mark; its columns are matched "
             "by their titles instead."),
    ("text", "From a script, tk73 export --file 4,5 --xlsx --out prices.xlsx writes a workbook "
             "with a sheet per file, and tk73 import --file 4 --in prices.xlsx --preview lists "
             "the changes and refused rows without writing anything (--json for a script to "
             "read); without --preview it writes them once asked, and --valid-only takes the "
             "rows that are not refused."),
]

LAN = [
    ("heading", "LAN"),
    ("text", "In the professional layout, Send to LAN and Recv. from LAN transfer the program "
             "files of the selected store. The tool searches the network for registers of the "
             "store's model; tick the machines to serve and start. A machine that fails can be "
             "run again from the result list."),
]

MERGE = [
    ("heading", "Register and controller together"),
    ("text", "A store may have a register and an order-entry controller. Both keep the menu "
             "(PLU), department, server, tax table, set menu and pull-down data. After a CSV "
             "import, and on request, the tool compares the two and lists every record that "
             "differs. Choose which side's data to keep and which kinds of data to copy; the "
             "menu update time is stamped on both machines when PLU data was copied."),
]

MAINTENANCE = [
    ("heading", "Backup and restore"),
    ("text", "The System button offers Backup branch data and Restore branch data. A backup is "
             "a folder holding a copy of the whole store database; restoring replaces all "
             "stores. Initialize branch data clears every store."),
]

GUIDES = {
    "TK73TOOL.pdf": ("Register setting tool - user guide",
                     "This guide covers the register setting tool in every layout: the default "
                     "layout for one register on an SD card, the stand-alone layout with LAN "
                     "connection settings, and the professional layout with branches and "
                     "stores."),
    "VEK_ECRNET.pdf": ("Controller settings in the networked register layout",
                       "The register tool edits the controller's servers and tax tables when the "
                       "store has a controller. In the networked register layout there is one "
                       "working store; its controller settings are saved with the register's on "
                       "the SD card."),
    "VEK_ECRPRO.pdf": ("Controller settings in the professional layout",
                       "In the professional layout each store may have a controller. Select the "
                       "store in the store bar; the controller's servers and tax tables are "
                       "edited for that store and sent with its registers."),
    "ECR_VEKSPL.pdf": ("Register settings from the controller tool - simple mode",
                       "The controller tool in simple mode keeps one store with one register "
                       "and one controller. This guide explains the register settings that the "
                       "controller tool edits."),
    "ECR_VEKPRO.pdf": ("Register settings from the controller tool - professional mode",
                       "The controller tool in professional mode works on the stores of the "
                       "store database. This guide explains the register settings of the "
                       "selected store."),
    "VEK_SPLMOD.pdf": ("Controller tool - simple mode",
                       "The controller tool in simple mode programs one order-entry controller "
                       "together with its register: menus, servers, set menus, pull-down lists "
                       "and kitchen printers."),
    "VEK_PROMOD.pdf": ("Controller tool - professional mode",
                       "The controller tool in professional mode programs the controllers of "
                       "every store of the store database and sends their settings over the "
                       "LAN."),
}


def guide_blocks(title, intro):
    return ([("title", title), ("text", intro)] + START + EDITING + LOGOS + DETAIL + CARD + CSV
            + SPREADSHEET + LAN + MERGE + MAINTENANCE)


def html_page(title, body):
    out = ['<!DOCTYPE html>', '<html lang="en">', '<head>',
           '<meta charset="windows-1252">', '<title>%s</title>' % html.escape(title),
           '<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}'
           'td,th{border:1px solid #999;padding:2px 6px;text-align:left}</style>',
           '</head>', '<body>'] + body + ['</body>', '</html>']
    return "".join(line + "\r\n" for line in out).encode("cp1252")


def guide_html(title, intro):
    """The guide's HTML edition: the same blocks as its PDF."""
    tags = {"title": "h1", "heading": "h2", "text": "p"}
    body = []
    for kind, text in guide_blocks(title, intro):
        if kind == "image":
            body.append('<p><img src="%s" alt="The preview of a spreadsheet import"></p>'
                        % SHEET_PREVIEW_FILE)
        elif kind == "item":
            body.append("<ul><li>%s</li></ul>" % html.escape(text))
        else:
            body.append("<%s>%s</%s>" % (tags[kind], html.escape(text), tags[kind]))
    return html_page(title, body)


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
    with open(SHEET_PREVIEW_PICTURE, "rb") as picture:
        tree = {"DOCUMENT/" + SHEET_PREVIEW_FILE: picture.read()}
    for name, (title, intro) in GUIDES.items():
        tree["DOCUMENT/" + name] = pdf_bytes(guide_blocks(title, intro))
        tree["DOCUMENT/" + name[: -len(".pdf")] + ".htm"] = guide_html(title, intro)

    def named(entries):
        return [("%s (%s)" % (s.info.name, s.info.indent), f, m) for s, f, m in entries]

    tree["DOCUMENT/DT_HA/VEK.htm"] = reference("Controller program files", named(controllers))
    tree["DOCUMENT/DT_HB/ECR.htm"] = reference(
        "Register program files - model 301",
        named([r for r in registers if r[0].info.number == 301]))
    tree["DOCUMENT/DT_HC/ECR.htm"] = reference(
        "Register program files", named([r for r in registers if r[0].info.number != 301]))
    return tree
