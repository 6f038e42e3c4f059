"""A second spreadsheet writer for the round-trip test: edits a workbook that tk73 exported.

    edit_workbook.py EXPORTED EDITED REORDERED

EDITED gets seven edits on the PLU sheet: three prices, a name with characters of the code page,
a code with its leading zeros, a name over the field's width and a letter in a price.
REORDERED holds the PLU sheet with its columns in another order and nothing else changed.
"""

import sys

import openpyxl


def edit(source, target):
    book = openpyxl.load_workbook(source)
    plu = book["PLU"]
    plu["E2"] = 4.59  # record 1
    plu["E3"] = 2.99
    plu["E4"] = 3.15
    plu["C5"] = "Crème fraîche"  # record 4
    plu["B6"] = "00012345678905"  # record 5: a code kept as text
    plu["C7"] = "Cinnamon roll extra large"  # record 6: 25 characters for 16
    plu["E8"] = "2.4O"  # record 7: the letter O in a price
    book.save(target)


def reorder(source, target):
    book = openpyxl.load_workbook(source)
    plu = book["PLU"]
    rows = [[cell.value for cell in row] for row in plu.iter_rows()]
    order = [4, 2, 0, 1] + list(range(5, len(rows[0]))) + [3]
    for r, values in enumerate(rows, start=1):
        for c, source_column in enumerate(order, start=1):
            plu.cell(row=r, column=c).value = values[source_column]
    book.save(target)


if __name__ == "__main__":
    edit(sys.argv[1], sys.argv[2])
    reorder(sys.argv[1], sys.argv[3])
