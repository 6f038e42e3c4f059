"""Menu 28: the items that the controller/register merge compares, on either side.

Both sides define items 1 to 55 with the same meaning (the merge groups fix which item belongs
to which file); each side points them at its own files and fields. Names are text of equal
width on both sides, so that equal names compare equal.
"""

from dataclasses import dataclass

from layouts import item


@dataclass(frozen=True)
class MergeSide:
    plu_status_width: int  # 12 on a register, 8 on the controller
    department_status_width: int  # 8 on a register, 4 on the controller
    set_entry_stride: int  # characters per set menu entry
    set_entry_digits: int  # digits of the PLU number that starts an entry


def merge_menu(files, side):
    plu, dept, clerk, tax, sets, lists = (files[4], files[5], files[7], files[25], files[28],
                                          files[26])
    items = [
        item(1, plu, 31, "CHAR", 1, 16),
        item(2, plu, 30, "CHAR", 1, 14),
        item(3, plu, 32, "CHAR", 1, side.plu_status_width),
        item(4, plu, 33, "DIGIT", 1, 8),
        item(5, plu, 35, "DIGIT", 1, 4),
        item(6, plu, 40, "DIGIT", 1, 2),
        item(7, dept, 51, "CHAR", 1, 12),
        item(8, dept, 52, "CHAR", 1, side.department_status_width),
        item(9, clerk, 70, "CHAR", 1, 12),
        item(10, clerk, 71, "DIGIT", 1, 4),
        item(11, tax, 120, "DIGIT", 1, 1, count=4),
        item(12, tax, 121, "DIGIT", 1, 8, count=4),
        item(13, tax, 120, "DIGIT", 2, 1, count=4),
        item(14, sets, 150, "CHAR", 1, 13),
    ]
    for entry in range(15):
        items.append(item(15 + entry, sets, 151, "DIGIT", 1 + entry * side.set_entry_stride,
                          side.set_entry_digits))
    items.append(item(30, lists, 130, "CHAR", 1, 12))
    for entry in range(21):
        items.append(item(31 + entry, lists, 131, "DIGIT", 1 + 4 * entry, 4))
    items += [
        item(52, plu, 36, "DIGIT", 1, 4),
        item(53, plu, 34, "DIGIT", 1, 8),
        item(54, dept, 54, "DIGIT", 1, 4),
        item(55, dept, 55, "DIGIT", 1, 2),
    ]
    return items
