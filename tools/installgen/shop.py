"""The demo shop: a small grocery with a coffee bar, the same for every model.

Everything here is invented. Values are derived from record numbers with a fixed arithmetic
spread, so the generated files are the same on every run. Two names carry bytes above 0x7F in
Windows-1252 ("Café au lait", "Crème brûlée", the clerk "Chloé") to exercise the code page.
"""

# (name, group, tax table, base price in cents); the order is the department record order
DEPARTMENTS = [
    ("Bakery", 1, 2, 180),
    ("Dairy", 1, 2, 120),
    ("Beverages", 3, 2, 150),
    ("Snacks", 7, 2, 130),
    ("Coffee bar", 4, 4, 250),
    ("Sweets", 7, 2, 110),
    ("Magazines", 6, 3, 350),
    ("Stationery", 5, 1, 220),
    ("Frozen", 8, 2, 320),
    ("Flowers", 10, 1, 690),
    ("Produce", 1, 2, 140),
    ("Meat", 1, 2, 520),
    ("Deli", 1, 2, 310),
    ("Household", 5, 1, 280),
    ("Body care", 5, 1, 300),
    ("Pet food", 9, 1, 260),
    ("Baby", 9, 2, 380),
    ("Canned", 2, 2, 110),
    ("Pasta & rice", 2, 2, 160),
    ("Spices", 2, 2, 140),
]

ITEMS_PER_DEPARTMENT = 13

ITEM_NAMES = [
    ["Sourdough loaf", "Rye bread", "Baguette", "Croissant", "Pain au chocolat", "Cinnamon roll",
     "Bagel plain", "Bagel sesame", "Muffin blueberry", "Scone", "Brioche", "Focaccia", "Pretzel"],
    ["Milk whole 1L", "Milk semi 1L", "Milk skim 1L", "Butter 250g", "Cheddar 200g",
     "Gouda 200g", "Yogurt plain", "Yogurt berry", "Cream 200ml", "Eggs 6 pack", "Eggs 12 pack",
     "Mozzarella", "Feta 150g"],
    ["Water 1.5L", "Sparkling water", "Cola 1.5L", "Cola zero 1.5L", "Orange juice 1L",
     "Apple juice 1L", "Lemonade 1L", "Iced tea 1L", "Energy drink", "Tonic water", "Ginger beer",
     "Coconut water", "Smoothie mango"],
    ["Crisps salted", "Crisps paprika", "Tortilla chips", "Salted peanuts", "Cashews 150g",
     "Popcorn sweet", "Pretzel sticks", "Rice crackers", "Trail mix", "Oat bar", "Protein bar",
     "Beef jerky", "Dried apricots"],
    ["Espresso", "Double espresso", "Americano", "Cappuccino", "Latte", "Flat white", "Mocha",
     "Hot chocolate", "Tea English", "Tea green", "Chai latte", "Café au lait", "Iced coffee"],
    ["Milk chocolate", "Dark chocolate", "Gummy bears", "Liquorice", "Mints", "Toffees",
     "Marshmallows", "Jelly beans", "Caramel bar", "Nougat", "Lollipops", "Fudge 150g",
     "Crème brûlée"],
    ["Daily News", "Weekend Times", "Food & Home", "Garden Monthly", "Kids Puzzles",
     "Tech Weekly", "Sports Today", "Travel Guide", "Crossword Book", "Comic Heroes",
     "Auto Review", "Health Plus", "Local Gazette"],
    ["Notebook A5", "Ballpoint pens", "Pencils 10", "Eraser", "Glue stick", "Sticky notes",
     "Envelopes 20", "Birthday card", "Gift wrap", "Tape roll", "Scissors", "Marker set",
     "Ruler 30cm"],
    ["Peas 1kg", "Pizza margherita", "Pizza pepperoni", "Fish fingers", "Ice cream vanil.",
     "Ice cream choc.", "Chips 1kg", "Spinach 450g", "Berries mix", "Prawns 300g",
     "Lasagne 400g", "Waffles", "Sorbet lemon"],
    ["Roses 10 stems", "Tulips bunch", "Sunflowers", "Lilies", "Mixed bouquet", "Orchid pot",
     "Basil plant", "Cactus small", "Gerberas", "Carnations", "Daffodils", "Chrysanthemum",
     "Succulent trio"],
    ["Apples 1kg", "Bananas", "Oranges 1kg", "Lemons", "Tomatoes 500g", "Cucumber", "Lettuce",
     "Carrots 1kg", "Onions 1kg", "Potatoes 2kg", "Avocado", "Grapes 500g", "Mushrooms 250g"],
    ["Chicken breast", "Chicken thighs", "Beef mince 500g", "Steak sirloin", "Pork chops",
     "Lamb chops", "Sausages 6", "Bacon 200g", "Turkey slices", "Meatballs 400g",
     "Burger 4 pack", "Chicken wings", "Ham joint"],
    ["Olives green", "Olives black", "Hummus 200g", "Salami 100g", "Prosciutto 80g", "Coleslaw",
     "Potato salad", "Pesto 190g", "Sun-dried tomato", "Brie wedge", "Quiche slice",
     "Stuffed peppers", "Taramasalata"],
    ["Dish soap", "Laundry liquid", "Sponges 3 pack", "Bin bags 20", "Kitchen roll",
     "Toilet roll 9", "Foil 10m", "Cling film", "Bleach 1L", "Glass cleaner", "Candles 4 pack",
     "Matches", "Batteries AA"],
    ["Toothpaste", "Toothbrush", "Shampoo 250ml", "Conditioner", "Shower gel", "Soap bar",
     "Deodorant", "Hand cream", "Cotton pads", "Razors 4 pack", "Sun cream SPF30", "Lip balm",
     "Tissues"],
    ["Dog food 400g", "Dog biscuits", "Cat food pouch", "Cat litter 5kg", "Cat treats",
     "Bird seed 1kg", "Fish flakes", "Dog chew", "Puppy food 2kg", "Kitten milk",
     "Rabbit pellets", "Dog shampoo", "Pet toy ball"],
    ["Nappies size 3", "Nappies size 4", "Baby wipes", "Baby food apple", "Baby food carrot",
     "Formula 800g", "Rusks", "Baby lotion", "Bottle 260ml", "Teether", "Bibs 3 pack",
     "Baby shampoo", "Nappy cream"],
    ["Baked beans", "Chopped tomatoes", "Tuna in oil", "Sweetcorn", "Kidney beans", "Chickpeas",
     "Coconut milk", "Soup tomato", "Soup chicken", "Peaches in syrup", "Sardines",
     "Corned beef", "Pineapple rings"],
    ["Spaghetti 500g", "Penne 500g", "Fusilli 500g", "Lasagne sheets", "Basmati 1kg",
     "Arborio 1kg", "Long grain 1kg", "Egg noodles", "Rice noodles", "Couscous 500g",
     "Quinoa 500g", "Tortellini", "Gnocchi 500g"],
    ["Black pepper", "Sea salt", "Paprika", "Cumin ground", "Cinnamon", "Chilli flakes",
     "Oregano", "Curry powder", "Garlic powder", "Nutmeg", "Bay leaves", "Turmeric",
     "Mixed herbs"],
]

GROUPS = ["Fresh food", "Groceries", "Drinks", "Cafe", "Non-food", "Press", "Sweet&snack",
          "Frozen", "Baby & pet", "Seasonal"]

CLERKS = [("Manager", 9000), ("Anna", 1201), ("Ben", 1202), ("Chloé", 1203), ("David", 1204),
          ("Emma", 1205), ("Finn", 1206), ("Grace", 1207), ("Training", 1299), ("", 0)]

# (calculation type 0 add in / 1 add on / 2 other, rate x 10 000, rounding, TA, TAX)
TAX_TABLES = [
    (0, 200000, 0, "TA1", "VAT 20%"),
    (0, 50000, 0, "TA2", "VAT 5%"),
    (0, 0, 0, "TA3", "ZERO"),
    (2, 125000, 1, "TA4", "CAFE TAX"),
    (1, 80000, 2, "TA5", "ADD 8%"),
]

REPORTS = ["FINANCIAL", "DEPARTMENT", "PLU", "CLERK", "HOURLY", "GROUP", "TAX", "SCANNING PLU",
           "SET MENU", "CASH IN DRAWER", "DAILY NET", "GRAND TOTAL"]

FUNCTION_TEXTS = ["SUBTOTAL", "TOTAL", "CASH", "CHANGE", "CHEQUE", "CARD", "VOUCHER", "VOID",
                  "REFUND", "NO SALE", "RECEIVED", "PAID OUT", "DISCOUNT", "PERCENT -",
                  "PERCENT +", "CORRECTION", "CANCEL", "RECEIPT", "ITEMS", "TAX", "TAXABLE",
                  "NON TAX", "CLERK", "TABLE", "GUESTS", "SERVICE", "TIP", "DEPOSIT", "RETURN",
                  "TRAINING"]

# (function number, name, option value as eight hexadecimal digits)
OPTIONS = [
    (1010, "Rounding system", "00000001"), (1020, "Decimal point", "00000002"),
    (1030, "Tax system", "00000000"), (1040, "Date format", "00000001"),
    (1050, "Time format", "00000000"), (1060, "Drawer open alarm", "00000030"),
    (1070, "Beep on key", "00000001"), (1080, "Subtotal compulsory", "00000000"),
    (1090, "Clerk sign-on", "00000001"), (1100, "Training mode key", "00000000"),
    (1110, "Zero price sale", "00000000"), (1120, "Change in cheque", "00000001"),
    (1130, "Z counter reset", "00000000"), (1140, "Power save minutes", "00000015"),
    (1150, "Display contrast", "00000004"), (1160, "Currency symbol", "00000024"),
    (1170, "Scale connected", "00000000"), (1180, "Scanner connected", "00000001"),
    (1190, "Customer display", "00000001"), (1200, "Void limit", "00000050"),
    (1210, "Refund with key", "00000001"), (1220, "Open drawer at end", "00000001"),
    (1230, "Print logo", "00000001"), (1240, "Journal to memory", "00000001"),
]

SET_MENUS = [
    ("Breakfast", [56, 4]), ("Lunch deal", [167, 27, 52]), ("Coffee+cake", [64, 10]),
    ("Kids box", [79, 44, 71]), ("Picnic pack", [3, 31, 36, 27]), ("Tea time", [61, 10, 5]),
    ("Movie night", [79, 46, 43]), ("Sandwich set", [2, 169, 60]), ("Cafe duo", [62, 62]),
    ("Sweet tooth", [66, 67, 68]), ("Fresh start", [141, 142, 40]), ("Pasta night", [235, 226]),
    ("BBQ box", [152, 157, 40]), ("Snack attack", [40, 41, 43, 44]), ("Gift basket", [131, 66]),
    ("Baby starter", [209, 211, 212]), ("Pet care", [196, 198, 200]),
    ("Cleaning kit", [183, 184, 187]), ("Office pack", [92, 93, 95]), ("Flower+card", [118, 99]),
]

PULL_DOWNS = [
    ("Hot drinks", list(range(53, 66))), ("Bread", list(range(1, 14))),
    ("Cold drinks", list(range(27, 40))), ("Ice cream", [109, 110, 117]),
    ("Cakes", [4, 5, 6, 9, 10, 78]), ("Crisps", [40, 41, 42]), ("Chocolate", [66, 67, 75]),
    ("Sandwich", [157, 158, 160, 165, 166]), ("Tea", [61, 62, 63]), ("Kids", [44, 68, 71, 74]),
]

MESSAGES = {
    "logo": ["CORNER MARKET", "fresh every day", ""],
    "address": ["12 Harbour Road - Portside", "Tel 0123 456 789", "VAT no. 123 4567 89"],
    "commercial": ["Thank you for shopping with us", "Loyalty card: ask at the till",
                   "Coffee bar open 7am - 6pm", "", ""],
    "bottom": ["Please keep your receipt", "Please come again", ""],
}

OFFICIAL_RECEIPT = ["RECEIPT", "Corner Market Ltd.", "12 Harbour Road", "Portside"]

POP_TEXTS = ["Fresh bread daily", "2 for 1 on juice", "New: oat latte", "Local honey",
             "Flowers of the week", "Back to school", "Weekend BBQ deals", "Ice cream season",
             "Ask about catering", "Gift cards here"]

KITCHEN_PRINTERS = [("Coffee bar", 1), ("Bakery", 2), ("Deli", 3), ("Bar", 4)]

JOURNAL = ["#0001 CLERK Anna", "CAPPUCCINO        2.50", "CROISSANT         1.20",
           "TOTAL             3.70", "CASH              5.00", "CHANGE            1.30",
           "#0002 CLERK Ben", "MILK WHOLE 1L     0.95", "BANANAS           1.10",
           "TOTAL             2.05", "CARD              2.05", "#0003 NO SALE"]


def spread(seed, modulo):
    """A fixed, evenly spread number below modulo for a record number."""
    return (seed * 2654435761 + 40503) % 4294967296 % modulo


def ean13(body12):
    total = sum(int(d) * (3 if i % 2 else 1) for i, d in enumerate(body12))
    return body12 + str((10 - total % 10) % 10)


def plu_code(record):
    """Fourteen digits: a leading zero and an EAN-13 of our own invented maker 40123."""
    return "0" + ean13("40123%07d" % (record * 7))


def scanning_code(record):
    return "0" + ean13("40987%07d" % (record * 13))


def plus(department_count):
    """The PLUs of the first department_count departments, record order, as dicts."""
    result = []
    for d in range(department_count):
        name, group, tax, base = DEPARTMENTS[d]
        for k, item_name in enumerate(ITEM_NAMES[d]):
            record = len(result) + 1
            price = base + spread(record, 40) * 10 + (9 if record % 3 else 5)
            result.append({
                "record": record,
                "name": item_name,
                "price": price,
                "second": price - price // 10 if record % 4 == 0 else 0,
                "dept": d + 1,
                "group": group,
                "tax": tax,
                "code": plu_code(record),
                "price_mode": 2 if d == 4 else (1 if record % 17 == 0 else 0),
                "negative": 0,
                "single": 1 if d in (6, 9) else 0,
                "hash": 1 if record % 29 == 0 else 0,
                "sics": 0,
                "stock": 0 if d in (4, 6) else 20 + spread(record, 80),
                "link": 0,
                "condiment": 0,
            })
    return result
