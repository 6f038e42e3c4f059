"""The "PGM_MENU_%03d" menus of a register model, built on its default program files.

Every item is made from the file object it addresses, so its record range, field and width
fit the file by construction.
"""

from layouts import Item, item
from register_files import message_blocks

RADIO_PRINT = (1, 0)  # "Print" / "No print"
CALCULATION_TYPES = (0, 1, 2)  # "Add in" / "Add on" / "Other"
PRICE_MODES = (0, 1, 2)  # preset / open / preset and open
TAX_STATUSES = (0, 1, 2, 3, 4)  # not taxed / taxed by tax 1 to 4
TAX_TABLES = tuple(range(11))  # none / table 1 to 10


def department_menu(files):
    f = files[5]
    return [
        item(0, f, 50, "DIGIT", 1, 4),
        item(1, f, 51, "CHAR", 1, 12),
        item(2, f, 53, "DIGIT", 1, 6, mean=2),
        item(3, f, 52, "HEX", 1, 1, values=TAX_STATUSES),
        item(4, f, 52, "BIT", 2, 1),
        item(5, f, 52, "HEX", 3, 1, values=PRICE_MODES),
        item(6, f, 52, "BIT", 2, 2),
        item(7, f, 54, "DIGIT", 1, 4),
        item(8, f, 52, "BIT", 2, 4),
        item(9, f, 52, "BIT", 2, 8),
        item(10, f, 55, "DIGIT", 1, 2, values=TAX_TABLES),
        item(11, f, 56, "DIGIT", 1, 8, mean=2),
        item(12, f, 52, "HEX", 4, 1),
    ]


def plu_menu(files, shape):
    f = files[4]
    items = [
        item(1, f, 30, "CHAR", 1, 14),
        item(2, f, 31, "CHAR", 1, 16),
        item(3, f, 33, "DIGIT", 1, 8, mean=2),
        item(4, f, 35, "DIGIT", 1, 4),
        item(5, f, 36, "DIGIT", 1, 4),
        item(6, f, 34, "DIGIT", 1, 8, mean=2),
        item(7, f, 32, "HEX", 1, 1, values=PRICE_MODES),
        item(8, f, 32, "BIT", 2, 1),
        item(9, f, 32, "BIT", 2, 2),
        item(10, f, 37, "DIGIT", 1, 4),
        item(11, f, 38, "DIGIT", 1, 4),
        item(15, f, 32, "HEX", 3, 1, values=TAX_STATUSES),
        item(16, f, 32, "BIT", 2, 4),
        item(17, f, 32, "BIT", 2, 8),
        item(18, f, 40, "DIGIT", 1, 2),
        item(19, f, 39, "DIGIT", 1, 2, values=TAX_TABLES),
    ]
    if shape.stock_item:
        items.append(item(12, f, 41, "DIGIT", 1, 8))
    return sorted(items, key=lambda i: i.number)


def group_menu(files):
    f = files[6]
    return [item(1, f, 60, "CHAR", 1, 12), item(2, f, 61, "BIT", 1, 1, values=(1, 0))]


def scanning_menu(files):
    f = files[2]
    count = "COUNT,%d" % f.record_count
    return [
        Item(1, 2, count, "CHAR", 1, 14, 10),
        Item(2, 2, count, "CHAR", 1, 16, 11),
        Item(3, 2, count, "DIGIT", 1, 8, 12, mean=2),
        Item(4, 2, count, "DIGIT", 1, 4, 13),
        Item(5, 2, count, "DIGIT", 1, 6, 14),
    ]


def clerk_menu(files):
    f = files[7]
    return [
        item(1, f, 70, "CHAR", 1, 12),
        item(2, f, 71, "DIGIT", 1, 4),
        item(3, f, 72, "BIT", 1, 1, values=(1, 0)),
        item(4, f, 72, "HEX", 2, 1, values=(1, 2)),
    ]


def option_menu(files):
    """General features: function items found through item 0, the function number column."""
    f = files[1]
    items = [Item(0, 1, "COUNT,99", "DIGIT", 1, 4, 1)]
    layout = [(1010, "HEX", 8, 1, (0, 1, 2)), (1020, "DIGIT", 8, 1, (0, 2, 3)),
              (1040, "HEX", 8, 1, (0, 1, 2)), (1050, "BIT", 8, 1, (0, 1)),
              (1060, "DIGIT", 7, 2, None), (1070, "BIT", 8, 1, (1, 0)),
              (1090, "BIT", 8, 1, (1, 0)), (1140, "DIGIT", 7, 2, None),
              (1180, "BIT", 8, 1, (1, 0)), (1200, "DIGIT", 7, 2, None),
              (1230, "BIT", 8, 1, (1, 0)), (1240, "BIT", 8, 1, (1, 0))]
    for n, (function, kind, position, width, values) in enumerate(layout, start=1):
        items.append(Item(n, 1, "FUNC,%d" % function, kind, position, width, 2, values=values))
    return items


def tax_menu(files):
    f = files[25]
    return [
        item(1, f, 120, "DIGIT", 1, 1, values=CALCULATION_TYPES),
        item(2, f, 121, "DIGIT", 1, 8, mean=4),
        item(3, f, 120, "DIGIT", 2, 1),
        item(4, f, 122, "CHAR", 1, 8),
        item(5, f, 123, "CHAR", 1, 8),
        item(6, f, 120, "BIT", 3, 1, values=RADIO_PRINT),
        item(7, f, 120, "BIT", 3, 2, values=RADIO_PRINT),
        item(8, f, 124, "DIGIT", 1, 8, mean=2),
        item(9, f, 125, "DIGIT", 1, 8, mean=2),
        item(10, f, 126, "DIGIT", 1, 8, mean=2),
        item(11, f, 127, "DIGIT", 1, 8, mean=2),
    ]


def reservation_menu(files, shape):
    f = files[27]
    items = []
    for table in range(4):
        items.append(item(2 * table + 1, f, 137 + 2 * table, "DIGIT", 1, 2, values=(0, 1)))
        items.append(item(2 * table + 2, f, 138 + 2 * table, "DIGIT", 1, 8, mean=4))
    if shape.reservation_date:
        items.append(item(9, f, 136, "DIGIT", 1, 6))
    items.append(item(10, f, 135, "HEX", 1, 1, values=(1,)))
    items.append(item(11, f, 135, "HEX", 2, 1, values=(0,)))
    return items


def set_menu_menu(files):
    f = files[28]
    return [item(1, f, 151, "CHAR", 1, f.field(151).width), item(2, f, 150, "CHAR", 1, 13)]


def old_set_menu_menu(old_file):
    return [item(1, old_file, 151, "CHAR", 1, old_file.field(151).width),
            item(2, old_file, 150, "CHAR", 1, 13)]


def receipt_journal_menu(files):
    f = files[10]
    bits = [(1, 1), (1, 2), (1, 4), (1, 8), (2, 1), (2, 2), (2, 4), (2, 8)]
    items = [item(n, f, 90, "BIT", position, mask, values=(1, 0))
             for n, (position, mask) in enumerate(bits, start=1)]
    items.append(item(9, f, 91, "DIGIT", 1, 4))
    items.append(item(10, f, 92, "DIGIT", 1, 2, values=(0, 1, 2)))
    return items


def message_menu(files, width):
    control, text, print_control = files[9], files[8], files[10]
    items = []
    for block, (first, count) in enumerate(message_blocks()):
        n = 4 * block + 1
        items.append(item(n, control, 85, "BIT", 1, 1, first=block + 1, count=1,
                          values=RADIO_PRINT))
        items.append(item(n + 1, control, 86, "DIGIT", 1, 2, first=block + 1, count=1))
        items.append(item(n + 2, text, 80, "CHAR", 1, width, first=first, count=count))
        items.append(item(n + 3, control, 87, "DIGIT", 1, 2, first=block + 1, count=1))
    items.append(item(17, print_control, 93, "CHAR", 1, 1))
    items.append(item(18, print_control, 94, "CHAR", 1, 1))
    return items


def message_status_menu(files):
    f = files[10]
    return [item(n, f, 90, "BIT", 3, mask, values=(1, 0))
            for n, mask in enumerate((1, 2, 4), start=1)]


def report_menu(files):
    f = files[11]
    return [item(1, f, 100, "CHAR", 1, 16)] + [
        item(n, f, 101, "BIT", 1, mask, values=(1, 0))
        for n, mask in enumerate((1, 2, 4, 8), start=2)]


def all_xz_menu(files):
    return [item(1, files[12], 105, "DIGIT", 1, 2)]


def official_receipt_menu(files):
    f = files[13]
    return [item(1, f, 110, "CHAR", 1, 32, first=1, count=1),
            item(2, f, 110, "CHAR", 1, 32, first=2),
            item(3, f, 111, "BIT", 1, 1, first=1, count=1, values=RADIO_PRINT)]


def pop_menu(files):
    f = files[40]
    return [item(1, f, 165, "CHAR", 1, 24), item(2, f, 166, "DIGIT", 1, 2, values=(1, 2))]


def stamp_menu(files):
    return [item(1, files[998], 180, "HEX", 1, 12, count=1)]


def register_menus(files, shape, merge_items):
    return {
        1: department_menu(files),
        5: receipt_journal_menu(files),
        6: message_menu(files, shape.message_width),
        7: message_status_menu(files),
        8: report_menu(files),
        10: official_receipt_menu(files),
        12: tax_menu(files),
        13: reservation_menu(files, shape),
        14: plu_menu(files, shape),
        15: group_menu(files),
        16: scanning_menu(files),
        17: clerk_menu(files),
        18: option_menu(files),
        20: pop_menu(files),
        27: set_menu_menu(files),
        28: merge_items,
        36: stamp_menu(files),
        40: all_xz_menu(files),
    }
