"""Program files, their fields and records, and the text form in which they ship.

A text program file is three header lines (130 bytes together) followed by one line per record:

    "C","n:P0004:"                       the title line, 16 bytes with CR LF
    "H","KR3010",...,"01",...            the header line, format version at offset 45
    "F","FILE004","PLU            "      the file line, FILE and three digits at offset 5
    000001,"...","..."                   records, every field quoted and padded

Every field of a record is written enclosed in double quotes and padded to its display width
(its length for a character field, twice its length for every other kind): text blank-padded,
numbers zero-filled, hexadecimal digits in upper case. So every record line of a file has the
same length and every value starts at a fixed offset.
"""

from dataclasses import dataclass

from catalogue import CHAR, kind_of

HEADER_LINE_LENGTH = 64
FILE_LINE_LENGTH = 46
HEADER_BLOCK_LENGTH = 130  # C line, header line and file line with their CR LF
VERSION_OFFSET = 45
HEX_DIGITS = "0123456789ABCDEF"


@dataclass(frozen=True)
class Field:
    number: int
    length: int  # bytes of the register's record
    view: bool = True  # "P" mark: part of the program view
    display: str = ""  # "F%02dD" when set
    edit: str = ""  # "F%02dE" when set
    mask: str = ""  # "F%02dM" when set

    @property
    def is_char(self):
        return kind_of(self.number) == CHAR

    @property
    def width(self):
        return self.length if self.is_char else 2 * self.length


@dataclass
class ProgramFile:
    number: int
    title: str
    icon: str
    fields: list
    records: list  # one dict per record: field number -> value
    number_width: int = 5
    version: str = "01"

    def field(self, number):
        for f in self.fields:
            if f.number == number:
                return f
        raise KeyError(f"file {self.number} has no field {number}")

    @property
    def record_count(self):
        return len(self.records)


def format_value(field, value):
    """The characters of one field value, exactly the field's display width."""
    width = field.width
    if field.is_char:
        text = value or ""
        if len(text) > width or '"' in text or "," in text:
            raise ValueError(f"text {text!r} does not fit field {field.number}")
        return text.ljust(width)
    if value is None:
        value = 0
    if isinstance(value, int):
        text = "%0*d" % (width, value)
    else:
        text = value.rjust(width, "0")
    if len(text) != width or any(c not in HEX_DIGITS for c in text):
        raise ValueError(f"value {value!r} does not fit field {field.number}")
    return text


def record_line(pfile, number, record):
    values = ('"%s"' % format_value(f, record.get(f.number)) for f in pfile.fields)
    return "%0*d," % (pfile.number_width, number) + ",".join(values)


def header_lines(pfile, model_code, indent_name, machine_kind, new_type):
    """The title line, the header line and the file line of a program file."""
    title_line = '"C","n:P0%03d:"' % pfile.number
    header = '"%s","%s","20240401","%-17s","%s","%-13s"' % (
        "h" if new_type else "H",
        model_code,
        indent_name,
        pfile.version,
        machine_kind,
    )
    file_line = '"%s","FILE%03d","%-30s"' % ("f" if new_type else "F", pfile.number, pfile.title)
    assert len(header) == HEADER_LINE_LENGTH and header[VERSION_OFFSET:VERSION_OFFSET + 2] == pfile.version
    assert len(file_line) == FILE_LINE_LENGTH
    return [title_line, header, file_line]


def file_bytes(pfile, model_code, indent_name, machine_kind, new_type):
    lines = header_lines(pfile, model_code, indent_name, machine_kind, new_type)
    lines += [record_line(pfile, n, r) for n, r in enumerate(pfile.records, start=1)]
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    assert len("".join(line + "\r\n" for line in lines[:3])) == HEADER_BLOCK_LENGTH
    return data


def hex_digits(*digits):
    """Upper-case hexadecimal text from digit values 0-15, most significant first."""
    return "".join(HEX_DIGITS[d] for d in digits)


@dataclass(frozen=True)
class Item:
    """One setting item of a "PGM_MENU_%03d" section."""

    number: int
    file: int
    memory: str  # "INDEX,first[,count]", "COUNT,n" or "FUNC,n"
    kind: str  # CHAR, DIGIT, BIT, HEX
    position: int
    width: int  # for BIT the bit mask 1, 2, 4 or 8
    field: int
    mean: int = None
    values: tuple = None
    title: str = None  # ITEM_%03d_TITLE
    range: tuple = None  # ITEM_%03d_RANGE: (low, high)
    unique: int = None  # ITEM_%03d_UNIQUE: the item naming a record

    def keys(self):
        key = "ITEM_%03d" % self.number
        pairs = [
            (key + "_FILE", str(self.file)),
            (key + "_MEMORY", self.memory),
            (key, "%s,D%d,%d" % (self.kind, self.position, self.width)),
            (key + "_FIELD", str(self.field)),
        ]
        if self.mean is not None:
            pairs.append((key + "_MEAN", str(self.mean)))
        if self.values is not None:
            pairs.append((key + "_VALUE", ",".join(str(v) for v in self.values)))
        if self.title is not None:
            pairs.append((key + "_TITLE", '"%s"' % self.title))
        if self.range is not None:
            pairs.append((key + "_RANGE", "%d,%d" % self.range))
        if self.unique is not None:
            pairs.append((key + "_UNIQUE", str(self.unique)))
        return pairs


def item(number, pfile, field, kind, position, width, first=1, count=None, **extra):
    """An index item over a record range of a file (all records from first on by default)."""
    if count is None:
        count = pfile.record_count - first + 1
    f = pfile.field(field)
    span = 1 if kind == "BIT" else width
    if first < 1 or first + count - 1 > pfile.record_count or position + span - 1 > f.width:
        raise ValueError(f"item {number} does not fit file {pfile.number} field {field}")
    memory = "INDEX,%d" % first if count == 1 else "INDEX,%d,%d" % (first, count)
    return Item(number, pfile.number, memory, kind, position, width, field, **extra)
