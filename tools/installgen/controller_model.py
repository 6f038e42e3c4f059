"""Everything the controller model ships: its definition and its defaults.

Paths are relative to the controller folder (VekPath). The controller has no data, logo or
old-version files; its only default folder is "DEFAULT".
"""

from controller_files import controller_files, controller_menus
from definition_ini import ini_text, layout_sections, menu_sections, numbers, titles_sections
from item_titles import describe
from layouts import file_bytes
from register_files import scanning_file

ICON_FILES = (4, 5, 7, 25, 28, 50)
EASY_FILES = (4, 5, 7, 25)
CRP_FILES = (4, 5, 7, 25, 26, 28, 50, 422, 998)
EXPORT_FILES = (4, 5, 7)
IMPORT_FILES = (4, 5, 7, 50)
BASE_FIELDS = (30, 51)
CONVERT_FILES = (4, 5, 7, 28, 422)
POPUP_OFF_FILES = (998,)
SEND_FILES = (4, 5, 7, 25, 26, 28, 998)
RECEIVE_FILES = (4, 5, 7, 998)


def definition_sections(shape, files, menus):
    sections = [
        ("SYSTEM", [("INIFILEVER", str(shape.ini_version)),
                    ("MACHINE_TYPE", str(shape.info.id_code & 0xFF))]),
        ("FILE_INF", [("DATAFILES", ""), ("PGMICONS", numbers(ICON_FILES)),
                      ("SPECIALFILES", "998"), ("BMP", ""), ("LOGO", ""), ("SOUND", "")]),
    ]
    sections += layout_sections(files)
    sections.append(("PGMFILES_EZ", [("FILES", numbers(EASY_FILES))]))
    sections += titles_sections(files)
    sections += [
        ("CF", [("FOLDER_X", ""), ("FOLDER_Y", ""), ("FOLDER_AUTOPGM", ""), ("BTNSTATE", "ON"),
                ("ALLDATA", "ON")]),
        ("CRP_FILES", [("FILES", numbers(CRP_FILES)), ("INDIVIDUAL", "4"), ("INIPATH", ""),
                       ("BTNSTATE", "ON")]),
        ("FILE_CONVERT", [("FILES", numbers(CONVERT_FILES)), ("ITEMCONVFILES", "4,422")]),
        ("FILE_EXPORT", [("FILES", numbers(EXPORT_FILES)), ("INIPATH", "")]),
        ("FILE_IMPORT", [("FILES", numbers(IMPORT_FILES)), ("BASEFIELDS", numbers(BASE_FIELDS)),
                         ("INIPATH", "")]),
        ("MODELFUNCTION", list(shape.functions)),
        ("TCP/IP", list(shape.tcpip)),
        ("TK73DTL_POPUPMENU", [("MENUOFFFILES", numbers(POPUP_OFF_FILES))]),
        ("TK73DTL_SRFILE", [("SENDFILES", numbers(SEND_FILES)),
                            ("RECVFILES", numbers(RECEIVE_FILES))]),
    ]
    return sections + menu_sections(menus)


def controller_tree(shape):
    info = shape.info
    files = controller_files(shape)
    menus = describe(files, controller_menus(files))
    n = info.indent
    tree = {"%s/%s.INI" % (n, n): ini_text(definition_sections(shape, files, menus))}
    contents = list(files.values()) + [scanning_file(422, shape.scanning_records, True)]
    for pfile in contents:
        name = "FILE%03d%s.TXT" % (pfile.number, "I" if pfile is contents[-1] else "P")
        tree["%s/DEFAULT/%s" % (n, name)] = file_bytes(pfile, info.rm_code, n, "CONTROLLER",
                                                       False)
    return tree, files, menus
