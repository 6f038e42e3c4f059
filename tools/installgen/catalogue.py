"""The model-wide field catalogue: every field number, its title and its kind.

One field number means the same value in every model, so that FIELD_INF, FIELD_TITLES and the
menus of all models read alike. The kind decides the FIELD_INF list a field is in and how many
characters it takes in a record line (a character field one per byte, every other kind two
digits per byte).
"""

PLAIN = "plain"
QTY = "qty"
CHAR = "char"
PRICE = "price"
BIT = "bit"
CODE = "code"  # item code: listed both as PLU code and as bar code

FIELDS = {
    # System option (file 1)
    1: ("Function number", PLAIN),
    2: ("Option value", BIT),
    3: ("Option name", CHAR),
    # Scanning PLU (files 2 and 422)
    10: ("Scanning code", CODE),
    11: ("Scanning PLU name", CHAR),
    12: ("Scanning PLU price", PRICE),
    13: ("Scanning dept link", PLAIN),
    14: ("Record age", PLAIN),
    # Keyboard layout (file 3)
    20: ("Key code", PLAIN),
    21: ("Key link", PLAIN),
    # PLU (file 4)
    30: ("PLU code", CODE),
    31: ("PLU name", CHAR),
    32: ("PLU status", BIT),
    33: ("Unit price", PRICE),
    34: ("Second price", PRICE),
    35: ("Dept link", PLAIN),
    36: ("Group link", PLAIN),
    37: ("Link PLU", PLAIN),
    38: ("Condiment PLU", PLAIN),
    39: ("Tax table no.", PLAIN),
    40: ("Kitchen printer", PLAIN),
    41: ("Stock quantity", QTY),
    42: ("  Reserve", PLAIN),
    # Department (file 5)
    50: ("Dept code", PLAIN),
    51: ("Dept name", CHAR),
    52: ("Dept status", BIT),
    53: ("High amount limit", PLAIN),
    54: ("Dept group link", PLAIN),
    55: ("Dept tax table", PLAIN),
    56: ("Preset price", PRICE),
    # Group (file 6)
    60: ("Group name", CHAR),
    61: ("Group status", BIT),
    # Clerk / server (file 7)
    70: ("Clerk name", CHAR),
    71: ("Secret code", PLAIN),
    72: ("Clerk status", BIT),
    # Message text and control (files 8, 9)
    80: ("Message line", CHAR),
    85: ("Message control", BIT),
    86: ("Line count", PLAIN),
    87: ("Characters per line", PLAIN),
    # Print control (file 10)
    90: ("Print options", BIT),
    91: ("Machine number", PLAIN),
    92: ("Calendar type", PLAIN),
    93: ("Multiplication char", CHAR),
    94: ("Number char", CHAR),
    # Reports (files 11, 12)
    100: ("Report name", CHAR),
    101: ("Report control", BIT),
    105: ("Report number", PLAIN),
    # Official receipt (file 13)
    110: ("Receipt text", CHAR),
    111: ("Receipt control", BIT),
    # Function text (file 15)
    115: ("Function text", CHAR),
    # Tax table (file 25)
    120: ("Tax status", BIT),
    121: ("Tax rate", PLAIN),
    122: ("TA descriptor", CHAR),
    123: ("TAX descriptor", CHAR),
    124: ("Tax value 1", PRICE),
    125: ("Tax value 2", PRICE),
    126: ("Tax value 3", PRICE),
    127: ("Tax value 4", PRICE),
    # Pull-down list (file 26)
    130: ("List name", CHAR),
    131: ("List entries", PLAIN),
    # Tax reservation (file 27)
    135: ("Reservation status", BIT),
    136: ("Reservation date", PLAIN),
    137: ("New type 1", PLAIN),
    138: ("New rate 1", PLAIN),
    139: ("New type 2", PLAIN),
    140: ("New rate 2", PLAIN),
    141: ("New type 3", PLAIN),
    142: ("New rate 3", PLAIN),
    143: ("New type 4", PLAIN),
    144: ("New rate 4", PLAIN),
    # Set menu (file 28)
    150: ("Set name", CHAR),
    151: ("Set entries", PLAIN),
    # Logos (files 30-32)
    160: ("Dot row", PLAIN),
    # POP message (file 40)
    165: ("POP text", CHAR),
    166: ("POP size", PLAIN),
    # Kitchen printer (controller file 50)
    170: ("Printer name", CHAR),
    171: ("Printer port", PLAIN),
    # Electronic journal (data file 90)
    175: ("Journal line", CHAR),
    176: ("Journal kind", PLAIN),
    # Menu update (file 998)
    180: ("Update stamp", PLAIN),
    181: ("Updated files", BIT),
}


def title_of(number):
    return FIELDS[number][0]


def kind_of(number):
    return FIELDS[number][1]


def field_inf(numbers):
    """The six FIELD_INF lists for the field numbers a model uses."""
    used = sorted(set(numbers))

    def of(*kinds):
        return [n for n in used if kind_of(n) in kinds]

    return [
        ("QTYFIELDS", of(QTY)),
        ("CHARFIELDS", of(CHAR)),
        ("PRICEFIELDS", of(PRICE)),
        ("BITFIELDS", of(BIT)),
        ("PLUCODEFIELDS", of(CODE)),
        ("BARCODEFIELDS", of(CODE)),
    ]
