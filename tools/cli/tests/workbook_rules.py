"""What a spreadsheet enforces in a workbook tk73 exported, as openpyxl reads it.

    workbook_rules.py WORKBOOK

Prints for each visible sheet its frozen cell and, per column, the title, the column's width
(rounded), the cells' number format and the data validation that covers the column's rows.
"""

import sys

import openpyxl


def rule_of(validation):
    if validation.type == "list":
        return f"list {validation.formula1}"
    limits = ",".join(v for v in (validation.formula1, validation.formula2) if v is not None)
    return f"{validation.type} {validation.operator or 'between'} {limits}"


def main(path):
    book = openpyxl.load_workbook(path)
    for sheet in book.worksheets:
        if sheet.sheet_state != "visible":
            continue
        print(f"{sheet.title} frozen at {sheet.freeze_panes}")
        rules = {}
        for validation in sheet.data_validations.dataValidation:
            for cells in validation.sqref.ranges:
                if cells.min_row == 2 and cells.max_row == sheet.max_row:
                    rules[cells.min_col] = rule_of(validation)
        for column in range(1, sheet.max_column + 1):
            letter = openpyxl.utils.get_column_letter(column)
            width = round(sheet.column_dimensions[letter].width)
            print(f"  {sheet.cell(1, column).value} | {width} | "
                  f"{sheet.cell(2, column).number_format} | {rules.get(column, 'no rule')}")


if __name__ == "__main__":
    main(sys.argv[1])
