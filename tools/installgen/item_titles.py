"""What the editors show for each menu item: a plain title, a range, and uniqueness.

These are item keys of our own beside the handle's (see install/README.md):

    ITEM_%03d_TITLE   the title a shop owner reads for the item (says what a mark does)
    ITEM_%03d_RANGE   "low,high": the stored numbers the register takes
    ITEM_%03d_UNIQUE  the item that names a record, for an item whose value must differ from
                      record to record within its file

Every item of every menu gets a title; ranges and uniqueness follow the files a menu reads.
"""

from dataclasses import replace

from catalogue import title_of
from register_files import MESSAGE_BLOCKS

MESSAGE_BLOCK_TITLES = {"logo": "Logo message", "address": "Address message",
                        "commercial": "Commercial message", "bottom": "Bottom message"}

GENERAL_FEATURES = ["Rounding system", "Decimal point", "Date format", "Time format",
                    "Drawer open alarm", "Beep on key entry", "Clerk sign-on compulsory",
                    "Power save", "Scanner connected", "Void limit", "Print the graphic logo",
                    "Electronic journal"]

TITLES = {
    1: {0: "Code", 1: "Name", 2: "High Amount Limit", 3: "Tax calculation",
        4: "Single item", 5: "Price entry", 6: "Negative price", 7: "Group link",
        8: "Hash department, left out of sales totals", 9: "Age check on sale",
        10: "Tax table", 11: "Preset price", 12: "Kitchen printer"},
    5: {1: "Time", 2: "Time system", 3: "Consecutive No.", 4: "Print number of item sold",
        5: "Print receipt in double-height characters", 6: "Skip item prints on journal",
        7: "Journal compressed print", 8: "Paper roll setting", 9: "Machine No.",
        10: "Calendar type"},
    7: {1: "Print the logo message on status receipts",
        2: "Print the address on status receipts",
        3: "Print the commercial message on status receipts"},
    8: {1: "Report name", 2: "Print on the X report", 3: "Print on the Z report",
        4: "Print on the periodic report", 5: "Reset after the Z report"},
    10: {1: "Receipt title", 2: "Receipt text", 3: "Print the official receipt"},
    12: {1: "Calculation type", 2: "Tax rate", 3: "Rounding", 4: "TA descriptor",
         5: "TAX descriptor", 6: "Print the non-tax total", 7: "Print the taxable amount",
         8: "Kept tax amount 1", 9: "Kept tax amount 2", 10: "Kept tax amount 3",
         11: "Kept tax amount 4"},
    14: {1: "PLU code", 2: "Name", 3: "Unit price", 4: "Dept link", 5: "Group link",
         6: "Second price", 7: "Open PLU", 8: "Single item", 9: "Negative price",
         10: "Link PLU", 11: "Condiment PLU", 12: "Stock quantity", 15: "Tax calculation",
         16: "Hash item, left out of sales totals", 17: "NFP", 18: "Kitchen printer",
         19: "Tax table"},
    15: {1: "Name", 2: "Print the group total on reports"},
    16: {1: "Scanning code", 2: "Name", 3: "Unit price", 4: "Dept link", 5: "Record age"},
    17: {1: "Clerk name", 2: "Secret code", 3: "Training clerk", 4: "Drawer"},
    18: dict([(0, "Function number")] + list(enumerate(GENERAL_FEATURES, start=1))),
    20: {1: "POP message", 2: "POP character size"},
    27: {1: "Set entries", 2: "Set name"},
    36: {1: "Menu update stamp"},
    40: {1: "Report number"},
}

for block, name in enumerate(MESSAGE_BLOCKS):
    title = MESSAGE_BLOCK_TITLES[name]
    TITLES.setdefault(6, {}).update({
        4 * block + 1: "Print the %s" % title.lower(), 4 * block + 2: "%s lines" % title,
        4 * block + 3: title, 4 * block + 4: "%s characters per line" % title})
TITLES[6].update({17: "Multiplication count character", 18: "The number character"})

RESERVED = {2 * t + 1: "New calculation type of table %d" % (t + 1) for t in range(4)}
RESERVED.update({2 * t + 2: "New tax rate of table %d" % (t + 1) for t in range(4)})
RESERVED.update({9: "Date of changing the tax table", 10: "Reservation set",
                 11: "Reservation carried out"})
TITLES[13] = RESERVED

# Items whose value must differ from record to record: item -> the item naming a record.
UNIQUE = {14: {1: 2}, 16: {1: 2}, 17: {2: 1}}


def merge_titles(items):
    """Menu 28 only pairs values for the merge; its items are named after their fields, and
    the entries of one field by their order."""
    titles = {}
    for i in items:
        sharing = [other for other in items if other.field == i.field]
        title = title_of(i.field).strip()
        titles[i.number] = title if len(sharing) == 1 else "%s %d" % (title, sharing.index(i) + 1)
    return titles


def ranges(files, menu):
    """The ranges of a menu's number items, from the record counts of the files they link."""
    departments = (1, files[5].record_count) if 5 in files else None
    groups = (0, files[6].record_count) if 6 in files else None
    plus = (0, files[4].record_count) if 4 in files else None
    links = {1: {7: groups}, 14: {4: departments, 5: groups, 10: plus, 11: plus},
             16: {4: departments}}.get(menu, {})
    return {number: r for number, r in links.items() if r is not None}


def describe(files, menus):
    """The menus with every item's title, range and uniqueness filled in."""
    described = {}
    for menu, items in menus.items():
        titles = merge_titles(items) if menu == 28 else TITLES[menu]
        limits = ranges(files, menu)
        unique = UNIQUE.get(menu, {})
        described[menu] = [
            replace(i, title=titles[i.number],
                    range=limits.get(i.number), unique=unique.get(i.number))
            for i in items]
    return described
