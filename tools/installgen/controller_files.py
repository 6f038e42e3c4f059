"""The default program files and menus of the order-entry controller.

The controller keeps its own copy of the shop's master data. Its defaults differ from a paired
register's "DEFAULTVEK" data on purpose, so that the merge has records to list:

- PLU 10 differs only in letter case (equal for the merge), PLU 11 only in its name;
- PLU 40 in price, PLU 41 in its second price, PLU 30 in a status digit the 301 position table
  carries, PLU 31 in a controller-only status digit (never a difference);
- department 3 in its tax table, department 7 in its routing digits;
- clerk 4's name ("Chloe" against "Chloé");
- tax table 2's rate; set menu 3's second entry; pull-down list 2's fifth entry.
"""

import shop
from layouts import Field, Item, ProgramFile, hex_digits, item
from merge_menu import MergeSide, merge_menu
from register_files import (clerk_file, department_status, kitchen_printer, menu_update_file,
                            plu_status, pull_down_file, scanning_file, set_menu_file, FREE_CODE)

SIDE = MergeSide(plu_status_width=8, department_status_width=4, set_entry_stride=6,
                 set_entry_digits=4)

NAME_DRIFTS = {10: "SCONE", 11: "Brioche roll"}


def controller_status(register_status, record):
    """Eight digits: the register digits the 301 position table maps, and two of its own."""
    r = register_status
    own = "1" if record % 5 == 0 else "0"
    return r[0] + own + r[6:8] + r[8] + "0" + r[11] + r[3]


def plu_file(plu_records):
    fields = [Field(30, 7), Field(31, 16), Field(32, 4), Field(33, 4), Field(34, 4),
              Field(35, 2), Field(36, 2), Field(40, 1)]
    records = []
    for p in shop.plus(len(shop.DEPARTMENTS))[:plu_records]:
        n = p["record"]
        status = controller_status(plu_status(p, True), n)
        if n == 30:
            status = "1" + status[1:]
        if n == 31:
            status = status[0] + "7" + status[2:]
        records.append({30: p["code"], 31: NAME_DRIFTS.get(n, p["name"]), 32: status,
                        33: p["price"] + (20 if n == 40 else 0),
                        34: p["second"] + (15 if n == 41 else 0), 35: p["dept"],
                        36: p["group"], 40: kitchen_printer(p)})
    records += [{30: FREE_CODE} for _ in range(plu_records - len(records))]
    return ProgramFile(4, "Menu (PLU)", "Menu", fields, records, number_width=6)


def department_file(count):
    fields = [Field(51, 12), Field(52, 2), Field(54, 2), Field(55, 1)]
    records = []
    for d in range(1, count + 1):
        name, group, tax, base = shop.DEPARTMENTS[d - 1]
        routing = department_status(d, True)[6:8]
        if d == 7:
            routing = "03"
        records.append({51: name, 52: "0" + ("1" if d == 5 else "0") + routing, 54: group,
                        55: 1 if d == 3 else tax})
    return ProgramFile(5, "Department", "Dept", fields, records)


def server_file():
    f = clerk_file("Server", "Server")
    f.records[3][70] = "Chloe"
    return f


def tax_file():
    fields = [Field(120, 1), Field(121, 4)]
    records = []
    for n, (kind, rate, rounding, ta, tax) in enumerate(shop.TAX_TABLES[:4]):
        records.append({120: hex_digits(kind, rounding), 121: rate + (20000 if n == 1 else 0)})
    return ProgramFile(25, "Tax table", "Tax", fields, records)


def pull_down(plu_records):
    f = pull_down_file(plu_records, True)
    entries = f.records[1][131]
    f.records[1][131] = entries[:16] + "0012" + entries[20:]
    return f


def set_menus(plu_records):
    f = set_menu_file(plu_records, 4, version="02")
    entries = f.records[2][151]
    f.records[2][151] = entries[:6] + "007804" + entries[12:]
    return f


def kitchen_printer_file():
    fields = [Field(170, 12), Field(171, 1)]
    records = [{170: name, 171: port} for name, port in shop.KITCHEN_PRINTERS]
    records += [{} for _ in range(8 - len(records))]
    return ProgramFile(50, "Kitchen printer", "Kitchen", fields, records)


def controller_files(shape):
    files = [plu_file(shape.plu_records), department_file(shape.departments), server_file(),
             tax_file(), pull_down(shape.plu_records), set_menus(shape.plu_records),
             kitchen_printer_file(), scanning_file(422, shape.scanning_records),
             menu_update_file()]
    return {f.number: f for f in files}


def controller_menus(files):
    plu, servers, tax, scanning = files[4], files[7], files[25], files[422]
    count = "COUNT,%d" % scanning.record_count
    return {
        12: [item(1, tax, 120, "DIGIT", 1, 1, values=(0, 1)),
             item(2, tax, 121, "DIGIT", 1, 8, mean=4),
             item(3, tax, 120, "DIGIT", 2, 1, values=(0, 1, 2))],
        14: [item(1, plu, 30, "CHAR", 1, 14), item(2, plu, 31, "CHAR", 1, 16)],
        16: [Item(1, 422, count, "CHAR", 1, 14, 10), Item(2, 422, count, "CHAR", 1, 16, 11)],
        17: [item(1, servers, 70, "CHAR", 1, 12), item(2, servers, 71, "DIGIT", 1, 4)],
        28: merge_menu(files, SIDE),
        36: [item(1, files[998], 180, "HEX", 1, 12, count=1)],
    }
