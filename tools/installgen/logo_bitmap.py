"""The dot rows of the demo logos: a frame with the shop's name in a 5 x 7 dot font.

A logo program file holds one record per dot row; its one field holds the row's width / 8
bytes as hexadecimal digits, the leftmost dot in the most significant bit, 1 for a black dot.
"""

FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    " ": ["00000"] * 7,
}


def logo_rows(width, height, text):
    """Hexadecimal row texts of a width x height logo showing text, centred and scaled."""
    dots = [[0] * width for _ in range(height)]
    for x in range(width):
        dots[0][x] = dots[height - 1][x] = 1
    for y in range(height):
        dots[y][0] = dots[y][width - 1] = 1
    scale = max(1, min((height - 8) // 7, (width - 8) // (6 * max(1, len(text)))))
    text_width = (6 * len(text) - 1) * scale
    left = (width - text_width) // 2
    top = (height - 7 * scale) // 2
    for i, letter in enumerate(text):
        glyph = FONT[letter]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "1":
                    for sy in range(scale):
                        for sx in range(scale):
                            dots[top + gy * scale + sy][left + (6 * i + gx) * scale + sx] = 1
    rows = []
    for line in dots:
        value = 0
        for bit in line:
            value = value * 2 + bit
        rows.append("%0*X" % (width // 4, value))
    return rows
