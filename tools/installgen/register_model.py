"""Everything one register model ships: its definition, defaults and old-version data.

Paths are relative to the register folder (RegisterPath); values are the file bytes.
"""

import register_files as rf
from definition_ini import (file_section, ini_text, layout_sections, menu_sections, numbers,
                            quoted, titles_sections)
from layouts import file_bytes
from item_titles import describe
from merge_menu import MergeSide, merge_menu
from register_menus import old_set_menu_menu, register_menus

DATA_FILES = (90,)
ICON_FILES = (1, 2, 4, 5, 6, 7, 8, 25, 28, 30)
EASY_FILES = (4, 5, 6, 7, 25, 998)
EXPORT_FILES = (4, 5, 6, 7, 25, 92)
IMPORT_FILES = (4, 5, 6, 7, 90)
BASE_FIELDS = (30, 31, 51, 60, 70)
CONVERT_FILES = (2, 4, 5, 6, 7, 25, 28)
ITEM_CONVERT_FILES = (2, 4)
POPUP_OFF_FILES = (90, 998)
SEND_FILES = (4, 5, 6, 7, 25, 28, 998)
RECEIVE_FILES = (4, 5, 7, 90, 998)
CARD_FOLDER = "/KELVO/AUTOPGM"
CARD_LOGO_FOLDER = "/KELVO/LOGO"


def program_files(shape, paired):
    files = [
        rf.options_file(), rf.scanning_file(2, shape.scanning_records),
        rf.keyboard_file(shape.departments), rf.plu_file(shape, paired),
        rf.department_file(shape, paired), rf.group_file(), rf.clerk_file(),
        rf.message_text_file(shape.message_width), rf.message_control_file(shape.message_width),
        rf.print_control_file(), rf.report_file(), rf.all_xz_file(),
        rf.official_receipt_file(), rf.function_text_file(), rf.tax_file(),
        rf.pull_down_file(shape.plu_records, paired), rf.reservation_file(shape.reservation_date),
        rf.set_menu_file(shape.plu_records, shape.set_entry_digits), rf.pop_file(),
        rf.journal_file(), rf.menu_update_file(),
    ]
    titles = {30: ("Receipt header logo", "Logo 1"), 31: ("Shop logo", "Logo 2"),
              32: ("Bottom logo", "Logo 3")}
    for number, width, height, name, text in shape.logos:
        title, icon = titles[number]
        files.append(rf.logo_file(number, title, icon, width, height, text))
    return {f.number: f for f in files}


def merge_side(shape):
    return MergeSide(plu_status_width=12, department_status_width=8,
                     set_entry_stride=shape.set_entry_digits + 2,
                     set_entry_digits=shape.set_entry_digits)


def definition_sections(shape, files, menus):
    info = shape.info
    logo_files = [logo[0] for logo in shape.logos]
    crp_files = [n for n in sorted(files) if n not in DATA_FILES]
    sections = [
        ("SYSTEM", [("INIFILEVER", str(shape.ini_version)),
                    ("MACHINE_TYPE", str(info.id_code & 0xFF))]),
        ("FILE_INF", [("DATAFILES", numbers(DATA_FILES)), ("PGMICONS", numbers(ICON_FILES)),
                      ("SPECIALFILES", "998"), ("BMP", numbers(logo_files)),
                      ("LOGO", numbers(logo_files)), ("SOUND", "")]),
    ]
    sections += layout_sections(files)
    sections.append(("PGMFILES_EZ", [("FILES", numbers(EASY_FILES))]))
    sections += titles_sections(files)
    sections += [
        ("CF", list(shape.cf)),
        ("CRP_FILES", [("FILES", numbers(crp_files)), ("INDIVIDUAL", "4,2"), ("INIPATH", ""),
                       ("BTNSTATE", "ON")]),
        ("FILE_CONVERT", [("FILES", numbers(CONVERT_FILES)),
                          ("ITEMCONVFILES", numbers(ITEM_CONVERT_FILES))]),
        ("FILE_EXPORT", [("FILES", numbers(EXPORT_FILES)), ("INIPATH", "")]),
        ("FILE_IMPORT", [("FILES", numbers(IMPORT_FILES)), ("BASEFIELDS", numbers(BASE_FIELDS)),
                         ("INIPATH", "")]),
        ("MODELFUNCTION", list(shape.functions)),
    ]
    if shape.tcpip:
        sections.append(("TCP/IP", list(shape.tcpip)))
    sections += [
        ("TK73DTL_POPUPMENU", [("MENUOFFFILES", numbers(POPUP_OFF_FILES))]),
        ("TK73DTL_SRFILE", [("SENDFILES", numbers(SEND_FILES)),
                            ("RECVFILES", numbers(RECEIVE_FILES))]),
        ("SDCARD", [("FOLDER_AUTOPGM", CARD_FOLDER),
                    ("AUTOPGM_0092P", "%s.092" % info.indent)]),
        ("SDCARD_LOGO", [("FOLDER_LOGO", CARD_LOGO_FOLDER)]),
        ("G_LOGO", [("FILE%04d" % number, "%d,%d,0,1,%s" % (width, height, name))
                    for number, width, height, name, text in shape.logos]),
    ]
    if shape.caption_006:
        sections.append(("CAPTION_PGM_MENU_006", [("ON", shape.caption_006[0]),
                                                  ("OFF", shape.caption_006[1])]))
    if shape.status_007:
        sections.append(("STATUS_PGM_MENU_007", [("LABELON", shape.status_007[0]),
                                                 ("LABELOFF", shape.status_007[1])]))
    if shape.rename_point:
        sections.append(("CAPTION_PGM_MENU_008", [("RENAME_POINT", shape.rename_point)]))
    sections += menu_sections(menus)
    return sections


def old_version_sections(shape, old_file):
    """The version-0 definition that the set menu conversion reads: its own FILE0028."""
    return [
        ("SYSTEM", [("INIFILEVER", "0"), ("MACHINE_TYPE", str(shape.info.id_code & 0xFF))]),
        ("FILE_INF", [("DATAFILES", "")]),
        ("FIELD_INF", [("CHARFIELDS", "150")]),
        file_section(old_file),
        ("PGMFILES", [("028", quoted(old_file.title))]),
        ("FIELD_TITLES", [("150", quoted("Set name")), ("151", quoted("Set entries"))]),
    ] + menu_sections({27: old_set_menu_menu(old_file)})


def had_text(number, width, height, name):
    """The logo editor's print image settings of one logo file."""
    lines = ["[LOGO]", "FILE=%d" % number, "WIDTH=%d" % width, "HEIGHT=%d" % height,
             "NAME=%s" % name, "PRINTER=%s" % ("BUILTIN" if number == 30 else "SDCARD"),
             "PAPER=%d" % (80 if width > 384 else 58)]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def register_tree(shape):
    info = shape.info
    kind = "REGISTER"
    files = program_files(shape, paired=False)
    menus = describe(files, register_menus(files, shape, merge_menu(files, merge_side(shape))))
    tree = {}
    n = info.indent
    tree["%s/%s.INI" % (n, n)] = ini_text(definition_sections(shape, files, menus))
    folders = [("DEFAULT", files)]
    if shape.pairs:
        folders.append(("DEFAULTVEK", program_files(shape, paired=True)))
    for folder, contents in folders:
        for pfile in contents.values():
            tree["%s/%s/FILE%03dP.TXT" % (n, folder, pfile.number)] = file_bytes(
                pfile, info.rm_code, n, kind, shape.new_type)
        item_file = rf.scanning_file(2, shape.scanning_records, item_file=True)
        tree["%s/%s/FILE002I.TXT" % (n, folder)] = file_bytes(item_file, info.rm_code, n, kind,
                                                              shape.new_type)
    old_file = rf.old_set_menu_file(shape.plu_records, shape.set_entry_digits)
    tree["%s/OLDVERSION/%sVer00.INI" % (n, n)] = ini_text(old_version_sections(shape, old_file))
    tree["%s/OLDVERSION/FILE028P.TXT" % n] = file_bytes(old_file, info.rm_code, n, kind,
                                                        shape.new_type)
    for number, width, height, name, text in shape.logos:
        tree["%s/%s_%d.HAD" % (n, n, number)] = had_text(number, width, height, name)
    return tree, files, menus
