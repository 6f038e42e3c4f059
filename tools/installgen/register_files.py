"""The default program files of a register model, built from its description and the shop.

`paired` builds the "DEFAULTVEK" variant: the same layouts, with the data a register needs
beside an order-entry controller (kitchen printer routing, pull-down lists).
"""

import shop
from layouts import Field, ProgramFile, hex_digits
from logo_bitmap import logo_rows

SCANNING_NAMES = ["Greeting card", "Puzzle book", "Phone charger", "USB cable", "Sunglasses",
                  "Umbrella", "Travel mug", "Lunch box", "Water bottle", "Reading glasses",
                  "Bike light", "Hair ties", "Phone case", "Earbuds", "Keyring", "Postcard",
                  "Gift bag", "Party balloons", "Birthday candles", "Playing cards"]

FREE_CODE = "0" * 14
STAMP_2024_04_01 = "000000010424"  # seconds, minutes, hours, day, month, year in BCD


def options_file():
    fields = [Field(1, 2, edit="OFF"), Field(2, 4, mask="FFFFFF00"), Field(3, 20)]
    records = [{1: n, 2: value, 3: name} for n, name, value in shop.OPTIONS]
    records += [{} for _ in range(40 - len(records))]
    return ProgramFile(1, "System option", "Options", fields, records)


def scanning_file(number, count, item_file=False):
    fields = [Field(10, 7), Field(11, 16), Field(12, 4), Field(13, 2), Field(14, 3, display="OFF")]
    used = 0 if item_file else count * 3 // 5
    records = []
    for r in range(1, count + 1):
        if r <= used:
            records.append({10: shop.scanning_code(r), 11: SCANNING_NAMES[(r - 1) % 20],
                            12: 199 + shop.spread(r, 60) * 25, 13: 8, 14: r})
        else:
            records.append({10: FREE_CODE})
    return ProgramFile(number, "Scanning PLU", "Scan PLU", fields, records, number_width=6)


def keyboard_file(departments):
    fields = [Field(20, 2, mask="FF00"), Field(21, 2)]
    records = [{20: k, 21: k if k <= departments else 0} for k in range(1, 61)]
    return ProgramFile(3, "Keyboard layout", "Keyboard", fields, records, number_width=4)


def plu_status(p, paired):
    """Twelve hexadecimal digits: price mode, flags, tax status, print flags, routing, course."""
    flags = p["negative"] | p["single"] << 1 | p["hash"] << 2 | p["sics"] << 3
    routing = kitchen_printer(p) if paired else 0
    course = (p["record"] % 3) if paired and routing else 0
    return hex_digits(p["price_mode"], flags, p["tax"], 1 if routing else 0, 0, 0,
                      routing // 16, routing % 16, course, 0, 0, 1 if p["dept"] == 5 else 0)


def kitchen_printer(p):
    return {5: 1, 1: 2, 13: 3, 3: 4}.get(p["dept"], 0)


def plu_file(shape, paired):
    fields = [Field(30, 7), Field(31, 16), Field(32, 6), Field(33, 4), Field(34, 4),
              Field(35, 2), Field(36, 2), Field(37, 2), Field(38, 2), Field(39, 1),
              Field(40, 1), Field(41, 4), Field(42, 2, view=False)]
    records = []
    for p in shop.plus(shape.departments)[: shape.plu_records]:
        records.append({30: p["code"], 31: p["name"], 32: plu_status(p, paired),
                        33: p["price"], 34: p["second"], 35: p["dept"], 36: p["group"],
                        37: p["link"], 38: p["condiment"], 39: p["tax"],
                        40: kitchen_printer(p) if paired else 0, 41: p["stock"]})
    records += [{30: FREE_CODE} for _ in range(shape.plu_records - len(records))]
    return ProgramFile(4, "PLU", "PLU", fields, records, number_width=6)


def department_status(d, paired):
    name, group, tax, base = shop.DEPARTMENTS[d - 1]
    routing = {5: 1, 1: 2, 13: 3, 3: 4}.get(d, 0) if paired else 0
    return hex_digits(tax, 2 if d in (7, 10) else 0, 2 if d == 5 else 0, 0, 0, 0,
                      routing // 16, routing % 16)


def department_file(shape, paired):
    fields = [Field(50, 2), Field(51, 12), Field(52, 4), Field(53, 3), Field(54, 2),
              Field(55, 1), Field(56, 4)]
    records = []
    for d in range(1, shape.departments + 1):
        name, group, tax, base = shop.DEPARTMENTS[d - 1]
        records.append({50: d, 51: name, 52: department_status(d, paired),
                        53: 50000 if d != 7 else 20000, 54: group, 55: tax,
                        56: base if d == 5 else 0})
    return ProgramFile(5, "Department", "Dept", fields, records)


def group_file():
    fields = [Field(60, 12), Field(61, 1)]
    records = [{60: name, 61: hex_digits(1 if g < 8 else 0, 0)} for g, name in
               enumerate(shop.GROUPS)]
    return ProgramFile(6, "Group", "Group", fields, records)


def clerk_file(title="Clerk", icon="Clerk"):
    fields = [Field(70, 12), Field(71, 2), Field(72, 1)]
    records = [{70: name, 71: code, 72: hex_digits(1 if name == "Training" else 0,
                                                     2 if n % 2 else 1)}
               for n, (name, code) in enumerate(shop.CLERKS, start=1)]
    return ProgramFile(7, title, icon, fields, records)


MESSAGE_BLOCKS = ["logo", "address", "commercial", "bottom"]


def message_text_file(width):
    lines = [line for block in MESSAGE_BLOCKS for line in shop.MESSAGES[block]]
    records = [{80: line.center(width).rstrip()} for line in lines]
    return ProgramFile(8, "Message text", "Messages", [Field(80, width)], records)


def message_blocks():
    """(first record in the message text file, line count) of every message block."""
    first = 1
    for block in MESSAGE_BLOCKS:
        count = len(shop.MESSAGES[block])
        yield first, count
        first += count


def message_control_file(width):
    fields = [Field(85, 1), Field(86, 1), Field(87, 1)]
    records = [{85: hex_digits(1, 0), 86: sum(1 for line in shop.MESSAGES[block] if line),
                87: width} for block in MESSAGE_BLOCKS]
    return ProgramFile(9, "Message control", "Msg ctrl", fields, records)


def print_control_file():
    fields = [Field(90, 4), Field(91, 2), Field(92, 1), Field(93, 1), Field(94, 1)]
    record = {90: hex_digits(1 | 2 | 4, 0, 1 | 2, 0, 0, 0, 0, 0), 91: 1, 92: 0, 93: "x", 94: "#"}
    return ProgramFile(10, "Print control", "Print", fields, [record])


def report_file():
    fields = [Field(100, 16), Field(101, 1)]
    records = [{100: name, 101: hex_digits(1 | 2 | (4 if n > 1 else 0), 0)}
               for n, name in enumerate(shop.REPORTS, start=1)]
    return ProgramFile(11, "Report", "Reports", fields, records)


def all_xz_file():
    records = [{105: n} for n in (1, 2, 3, 4, 6, 7, 5, 0, 0, 0)]
    return ProgramFile(12, "All X/Z sequence", "All X/Z", [Field(105, 1)], records)


def official_receipt_file():
    fields = [Field(110, 32), Field(111, 1)]
    records = [{110: line, 111: hex_digits(1 if n == 1 else 0, 0)}
               for n, line in enumerate(shop.OFFICIAL_RECEIPT, start=1)]
    return ProgramFile(13, "Official receipt", "Receipt", fields, records)


def function_text_file():
    records = [{115: text} for text in shop.FUNCTION_TEXTS]
    return ProgramFile(15, "Function text", "Texts", [Field(115, 12)], records, number_width=4)


def tax_file():
    fields = [Field(120, 2), Field(121, 4), Field(122, 8), Field(123, 8), Field(124, 4),
              Field(125, 4), Field(126, 4), Field(127, 4)]
    records = []
    for n in range(10):
        kind, rate, rounding, ta, tax = shop.TAX_TABLES[n] if n < len(shop.TAX_TABLES) else (
            0, 0, 0, "", "")
        other = kind == 2
        records.append({120: hex_digits(kind, rounding, 1 | 2 if n < 2 else 0, 0), 121: rate,
                        122: ta, 123: tax, 124: 100 if other else 0, 125: 500 if other else 0,
                        126: 1000 if other else 0, 127: 5000 if other else 0})
    return ProgramFile(25, "Tax table", "Tax", fields, records)


def pull_down_file(plu_records, filled):
    fields = [Field(130, 12), Field(131, 42)]
    records = []
    for name, entries in shop.PULL_DOWNS:
        entries = [e for e in entries if e <= plu_records][:21] if filled else []
        records.append({130: name if filled else "",
                        131: "".join("%04d" % e for e in entries).ljust(84, "0")})
    return ProgramFile(26, "Pull-down list", "Pull-down", fields, records)


def reservation_file(with_date):
    fields = [Field(135, 1), Field(136, 3)] + [Field(n, 1 if n % 2 else 4)
                                                for n in range(137, 145)]
    record = {135: hex_digits(1, 0), 136: 240701 if with_date else 0,
              137: 0, 138: 210000, 139: 0, 140: 50000, 141: 0, 142: 0, 143: 2, 144: 125000}
    return ProgramFile(27, "Tax reservation", "Tax resv.", fields, [record])


def set_menu_entries(plus, plu_records, digits, flag):
    entries = [e for e in plus if e <= plu_records]
    text = "".join("%0*d" % (digits, e) + flag for e in entries)
    return text.ljust(15 * (digits + len(flag)), "0")


def set_menu_file(plu_records, entry_digits, version="01"):
    """Current layout: 15 entries of a PLU number and the flags 04 (in use) or 00 (free)."""
    fields = [Field(150, 13), Field(151, 15 * (entry_digits + 2) // 2)]
    records = [{150: name, 151: set_menu_entries(plus, plu_records, entry_digits, "04")}
               for name, plus in shop.SET_MENUS]
    return ProgramFile(28, "Set menu", "Set menu", fields, records, version=version)


def old_set_menu_file(plu_records, entry_digits):
    """Version 0 layout: 15 entries of a PLU number alone."""
    fields = [Field(150, 13), Field(151, 15 * entry_digits // 2)]
    records = [{150: name, 151: set_menu_entries(plus, plu_records, entry_digits, "")}
               for name, plus in shop.SET_MENUS]
    return ProgramFile(28, "Set menu", "Set menu", fields, records, version="00")


def logo_file(number, title, icon, width, height, text):
    rows = logo_rows(width, height, text)
    return ProgramFile(number, title, icon, [Field(160, width // 8)],
                       [{160: row} for row in rows])


def pop_file():
    fields = [Field(165, 24), Field(166, 1)]
    records = [{165: text, 166: 2 if n == 1 else 1} for n, text in
               enumerate(shop.POP_TEXTS, start=1)]
    return ProgramFile(40, "POP message", "POP", fields, records)


def journal_file():
    fields = [Field(175, 32), Field(176, 1)]
    records = [{175: line, 176: 1 if line.startswith("#") else 2} for line in shop.JOURNAL]
    return ProgramFile(90, "Electronic journal", "Journal", fields, records, number_width=4)


def menu_update_file():
    fields = [Field(180, 6), Field(181, 2)]
    return ProgramFile(998, "Menu update", "Update", fields, [{180: STAMP_2024_04_01,
                                                                181: "0000"}],
                       number_width=6)
