#!/usr/bin/env python3
"""Writes database/sql/catalogue.sql, the ingredient catalogue of a new cookbook, from the USDA
SR21 food composition tables (ABBREV.txt, FOOD_DES.txt, WEIGHT.txt).

    tools/make-catalogue.py [--data FOLDER] [--out FILE]

Without --data the tables are taken from Debian's gourmand package, fetched with
`apt-get download gourmand` and unpacked with dpkg-deb into a temporary folder; nothing else of
that package is used. The generated SQL is committed: the build never runs this script.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

# Store sections (MISC rows of TYPE 'G'); group 000001 is the seed's "no section".
SECTIONS = [
    "Produce", "Dairy and Eggs", "Meat", "Poultry", "Seafood", "Deli", "Bakery", "Baking",
    "Spices and Herbs", "Oils and Vinegars", "Condiments and Sauces", "Canned Goods",
    "Frozen Foods", "Pasta, Rice and Grains", "Beans and Legumes", "Cereal", "Beverages",
    "Nuts and Snacks", "Sweets",
]

# Common ingredients under the names a cook writes, with their plural ending ("" uncountable,
# "-ies" drops the last letter), basic item and store section. Foods not listed here get a
# name made from their USDA description (see cook_name).
COMMON = {
    "11282": ("onion", "s", "Onions", "Produce"),
    "11215": ("garlic", "", "Garlic", "Produce"),
    "11124": ("carrot", "s", "Carrots", "Produce"),
    "11143": ("celery", "", "Celery", "Produce"),
    "11353": ("russet potato", "es", "Potatoes", "Produce"),
    "11355": ("red potato", "es", "Potatoes", "Produce"),
    "11507": ("sweet potato", "es", "Potatoes", "Produce"),
    "11529": ("tomato", "es", "Tomatoes", "Produce"),
    "11531": ("canned diced tomatoes", "", "Tomatoes", "Canned Goods"),
    "11546": ("tomato paste", "", "Tomatoes", "Canned Goods"),
    "11549": ("tomato sauce", "", "Tomatoes", "Canned Goods"),
    "11821": ("red bell pepper", "s", "Peppers", "Produce"),
    "11333": ("green bell pepper", "s", "Peppers", "Produce"),
    "11477": ("zucchini", "", "Squash", "Produce"),
    "11485": ("butternut squash", "es", "Squash", "Produce"),
    "11246": ("leek", "s", "Leeks", "Produce"),
    "11260": ("white mushroom", "s", "Mushrooms", "Produce"),
    "11457": ("spinach", "", "Spinach", "Produce"),
    "11109": ("green cabbage", "", "Cabbage", "Produce"),
    "11205": ("cucumber", "s", "Cucumbers", "Produce"),
    "11052": ("green beans", "", "Beans", "Produce"),
    "11090": ("broccoli", "", "Broccoli", "Produce"),
    "11291": ("green onion", "s", "Onions", "Produce"),
    "11677": ("shallot", "s", "Onions", "Produce"),
    "11298": ("parsnip", "s", "Parsnips", "Produce"),
    "11216": ("fresh ginger", "", "Ginger", "Produce"),
    "11251": ("romaine lettuce", "", "Lettuce", "Produce"),
    "11297": ("fresh parsley", "", "Parsley", "Produce"),
    "11165": ("fresh cilantro", "", "Cilantro", "Produce"),
    "11156": ("chives", "", "Chives", "Produce"),
    "11312": ("frozen peas", "", "Peas", "Frozen Foods"),
    "11178": ("frozen corn", "", "Corn", "Frozen Foods"),
    "02044": ("fresh basil", "", "Basil", "Produce"),
    "02045": ("fresh dill", "", "Dill", "Produce"),
    "02049": ("fresh thyme", "", "Thyme", "Produce"),
    "02063": ("fresh rosemary", "", "Rosemary", "Produce"),
    "09003": ("apple", "s", "Apples", "Produce"),
    "09040": ("banana", "s", "Bananas", "Produce"),
    "09150": ("lemon", "s", "Lemons", "Produce"),
    "09152": ("lemon juice", "", "Lemons", "Produce"),
    "09159": ("lime", "s", "Limes", "Produce"),
    "09200": ("orange", "s", "Oranges", "Produce"),
    "09050": ("blueberry", "-ies", "Berries", "Produce"),
    "09316": ("strawberry", "-ies", "Berries", "Produce"),
    "09298": ("raisins", "", "Raisins", "Nuts and Snacks"),
    "09193": ("black olives", "", "Olives", "Canned Goods"),
    "01145": ("butter, unsalted", "", "Butter", "Dairy and Eggs"),
    "01001": ("butter, salted", "", "Butter", "Dairy and Eggs"),
    "01123": ("large egg", "s", "Eggs", "Dairy and Eggs"),
    "01077": ("whole milk", "", "Milk", "Dairy and Eggs"),
    "01079": ("2% milk", "", "Milk", "Dairy and Eggs"),
    "01088": ("buttermilk", "", "Milk", "Dairy and Eggs"),
    "01053": ("heavy cream", "", "Cream", "Dairy and Eggs"),
    "01049": ("half-and-half", "", "Cream", "Dairy and Eggs"),
    "01056": ("sour cream", "", "Cream", "Dairy and Eggs"),
    "01017": ("cream cheese", "", "Cheese", "Dairy and Eggs"),
    "01009": ("cheddar cheese", "", "Cheese", "Dairy and Eggs"),
    "01032": ("parmesan cheese, grated", "", "Cheese", "Dairy and Eggs"),
    "01019": ("feta cheese", "", "Cheese", "Dairy and Eggs"),
    "01023": ("gruyere cheese", "", "Cheese", "Dairy and Eggs"),
    "01040": ("swiss cheese", "", "Cheese", "Dairy and Eggs"),
    "01026": ("mozzarella cheese", "", "Cheese", "Dairy and Eggs"),
    "01036": ("ricotta cheese", "", "Cheese", "Dairy and Eggs"),
    "01116": ("plain yogurt", "", "Yogurt", "Dairy and Eggs"),
    "01096": ("evaporated milk", "", "Milk", "Canned Goods"),
    "20081": ("all-purpose flour", "", "Flour", "Baking"),
    "20083": ("bread flour", "", "Flour", "Baking"),
    "20080": ("whole wheat flour", "", "Flour", "Baking"),
    "20022": ("yellow cornmeal", "", "Cornmeal", "Baking"),
    "20027": ("cornstarch", "", "Starch", "Baking"),
    "19335": ("sugar", "", "Sugar", "Baking"),
    "19334": ("brown sugar", "", "Sugar", "Baking"),
    "19336": ("powdered sugar", "", "Sugar", "Baking"),
    "19296": ("honey", "", "Honey", "Baking"),
    "19353": ("maple syrup", "", "Syrup", "Baking"),
    "19304": ("molasses", "", "Syrup", "Baking"),
    "19165": ("unsweetened cocoa powder", "", "Chocolate", "Baking"),
    "19080": ("semisweet chocolate chips", "", "Chocolate", "Baking"),
    "19078": ("unsweetened baking chocolate", "", "Chocolate", "Baking"),
    "18369": ("baking powder", "", "Leavening", "Baking"),
    "18372": ("baking soda", "", "Leavening", "Baking"),
    "18374": ("fresh yeast", "", "Leavening", "Baking"),
    "02050": ("vanilla extract", "", "Flavourings", "Baking"),
    "04031": ("vegetable shortening", "", "Fats", "Baking"),
    "04002": ("lard", "", "Fats", "Baking"),
    "12108": ("unsweetened shredded coconut", "", "Coconut", "Baking"),
    "02047": ("salt", "", "Salt", "Spices and Herbs"),
    "02030": ("black pepper", "", "Pepper", "Spices and Herbs"),
    "02031": ("cayenne pepper", "", "Pepper", "Spices and Herbs"),
    "02010": ("ground cinnamon", "", "Spices", "Spices and Herbs"),
    "02025": ("ground nutmeg", "", "Spices", "Spices and Herbs"),
    "02014": ("cumin seed", "", "Spices", "Spices and Herbs"),
    "02015": ("curry powder", "", "Spices", "Spices and Herbs"),
    "02028": ("paprika", "", "Spices", "Spices and Herbs"),
    "02027": ("dried oregano", "", "Herbs", "Spices and Herbs"),
    "02042": ("dried thyme", "", "Herbs", "Spices and Herbs"),
    "02004": ("bay leaf", "-ves", "Herbs", "Spices and Herbs"),
    "02009": ("chili powder", "", "Spices", "Spices and Herbs"),
    "02021": ("ground ginger", "", "Spices", "Spices and Herbs"),
    "02020": ("garlic powder", "", "Spices", "Spices and Herbs"),
    "02011": ("ground cloves", "", "Spices", "Spices and Herbs"),
    "02001": ("ground allspice", "", "Spices", "Spices and Herbs"),
    "02036": ("dried rosemary", "", "Herbs", "Spices and Herbs"),
    "02038": ("ground sage", "", "Herbs", "Spices and Herbs"),
    "02029": ("dried parsley", "", "Herbs", "Spices and Herbs"),
    "02046": ("yellow mustard", "", "Mustard", "Condiments and Sauces"),
    "04053": ("olive oil", "", "Oils", "Oils and Vinegars"),
    "04582": ("canola oil", "", "Oils", "Oils and Vinegars"),
    "04058": ("sesame oil", "", "Oils", "Oils and Vinegars"),
    "04042": ("peanut oil", "", "Oils", "Oils and Vinegars"),
    "02048": ("cider vinegar", "", "Vinegar", "Oils and Vinegars"),
    "02068": ("red wine vinegar", "", "Vinegar", "Oils and Vinegars"),
    "02069": ("balsamic vinegar", "", "Vinegar", "Oils and Vinegars"),
    "04025": ("mayonnaise", "", "Mayonnaise", "Condiments and Sauces"),
    "11935": ("ketchup", "", "Ketchup", "Condiments and Sauces"),
    "06971": ("worcestershire sauce", "", "Sauces", "Condiments and Sauces"),
    "16123": ("soy sauce", "", "Sauces", "Condiments and Sauces"),
    "16098": ("smooth peanut butter", "", "Nut butters", "Condiments and Sauces"),
    "06172": ("chicken broth", "", "Broth", "Canned Goods"),
    "06008": ("beef broth", "", "Broth", "Canned Goods"),
    "12118": ("coconut milk", "", "Coconut", "Canned Goods"),
    "05062": ("boneless chicken breast", "s", "Chicken", "Poultry"),
    "05091": ("chicken thigh", "s", "Chicken", "Poultry"),
    "05006": ("whole chicken", "s", "Chicken", "Poultry"),
    "23567": ("ground beef, 85% lean", "", "Beef", "Meat"),
    "13809": ("beef chuck", "", "Beef", "Meat"),
    "13891": ("beef top round", "", "Beef", "Meat"),
    "10062": ("boneless pork loin chop", "s", "Pork", "Meat"),
    "10123": ("bacon", "", "Pork", "Meat"),
    "07036": ("Italian sausage", "s", "Sausage", "Meat"),
    "17224": ("ground lamb", "", "Lamb", "Meat"),
    "15236": ("salmon fillet", "s", "Fish", "Seafood"),
    "15015": ("cod fillet", "s", "Fish", "Seafood"),
    "15149": ("shrimp", "", "Shellfish", "Seafood"),
    "15121": ("tuna, canned in water", "", "Fish", "Canned Goods"),
    "16126": ("firm tofu", "", "Tofu", "Produce"),
    "16069": ("dried lentils", "", "Lentils", "Beans and Legumes"),
    "16085": ("dried split peas", "", "Peas", "Beans and Legumes"),
    "16027": ("dried kidney beans", "", "Beans", "Beans and Legumes"),
    "16014": ("dried black beans", "", "Beans", "Beans and Legumes"),
    "16058": ("canned chickpeas", "", "Beans", "Canned Goods"),
    "16026": ("canned great northern beans", "", "Beans", "Canned Goods"),
    "20044": ("long-grain white rice", "", "Rice", "Pasta, Rice and Grains"),
    "20052": ("short-grain rice", "", "Rice", "Pasta, Rice and Grains"),
    "20120": ("spaghetti", "", "Pasta", "Pasta, Rice and Grains"),
    "20109": ("egg noodles", "", "Pasta", "Pasta, Rice and Grains"),
    "08120": ("rolled oats", "", "Oats", "Cereal"),
    "12061": ("almonds", "", "Nuts", "Nuts and Snacks"),
    "12155": ("walnuts", "", "Nuts", "Nuts and Snacks"),
    "12142": ("pecans", "", "Nuts", "Nuts and Snacks"),
    "18069": ("white bread", "", "Bread", "Bakery"),
    "18029": ("french bread", "", "Bread", "Bakery"),
    "14096": ("dry red wine", "", "Wine", "Beverages"),
    "14106": ("dry white wine", "", "Wine", "Beverages"),
    "14003": ("beer", "", "Beer", "Beverages"),
    "14429": ("water", "", "Water", "Beverages"),
}

# USDA food groups taken, with the store section a food of the group goes to by default.
GROUP_SECTIONS = {
    "0100": "Dairy and Eggs", "0200": "Spices and Herbs", "0400": "Oils and Vinegars",
    "0500": "Poultry", "0600": "Canned Goods", "0700": "Deli", "0800": "Cereal",
    "0900": "Produce", "1000": "Meat", "1100": "Produce", "1200": "Nuts and Snacks",
    "1300": "Meat", "1400": "Beverages", "1500": "Seafood", "1600": "Beans and Legumes",
    "1700": "Meat", "1800": "Bakery", "1900": "Sweets", "2000": "Pasta, Rice and Grains",
    "2500": "Nuts and Snacks",
}

# Descriptions with any of these are dishes, cooked forms, brands or industrial products:
# a cook buys and measures the raw ingredient.
EXCLUDED_WORDS = re.compile(
    r"\b(cooked|boiled|roasted|braised|broiled|fried|stewed|baked|microwaved|heated|"
    r"reconstituted|prepared|steamed|simmered|grilled|rotisserie|toasted|drained|infant|"
    r"babyfood|commodity|industrial|by-products|variety meats|imitation|fast food|"
    r"restaurant|low calorie|reduced calorie|dietetic|formulated|fortified|vitamin|"
    r"added|manufactur|school lunch|alaska native|northern plains|navajo|hopi|apache|"
    r"shoshone|frozen, cooked|dehydrated|freeze-dried|separable lean only|"
    r"from concentrate|meat only, cooked|with salt|salted|glazed|nfs|frozen novelties|"
    r"candies|cakes?|cookies|pies?|crackers|snacks|cereals ready-to-eat|soup|carbonated|"
    r"spread|luncheon|home recipe|single brand|olestra|defatted|unspecified|pasteurized process|"
    r"puddings|desserts?|frostings?|doughnuts|pastry|danish|croissants|waffles|pancakes|"
    r"brownies|sandwich|loaf|salami|bologna|frankfurter|whelk|ostrich|squab|emu|pheasant|quail|"
    r"goose|liver|kidneys|heart|tongue|brain|gizzard|thymus|feet|giblets|spleen|pancreas|lungs|"
    r"tripe|neck|back|meatless|textured|light|reduced fat|low fat|lowfat|fat free|nonfat|"
    r"less sodium|low sodium|reduced sodium|no salt|sweetener|powder, prepared|mix|instant|"
    r"breaded|battered|patties|nuggets|sticks|rings|puffs|toddler|junior|strained|"
    r"lean only|refrigerated dough|made with|vegetarian|sprouted)\b", re.I)
BRAND = re.compile(r"\b[A-Z][A-Z'&]{2,}\b")

NOISE = [
    "raw", "fresh", "all commercial varieties", "mature seeds", "separable lean and fat",
    "all grades", "choice", "select", "prime", "regular", "unprepared", "enriched", "unenriched",
    "year round average", "without salt", "broilers or fryers", "meat and skin",
    "includes skin", "whole", "plain", "all types", "all", "ready-to-serve", "ready-to-drink",
    "solids and liquids", "bone-in", "boneless", "without skin", "with skin", "unheated",
    "dry", "ripe", "fluid", "dried", "salad or cooking", "commercial", "domestic",
]
PREFIX_HEADS = {
    "spices": "Spices", "nuts": "Nuts", "seeds": "Seeds", "fish": "Fish",
    "mollusks": "Shellfish", "crustaceans": "Shellfish", "alcoholic beverage": "Spirits",
    "beverages": "Beverages", "game meat": "Game", "snacks": "Snacks", "candies": "Candies",
    "leavening agents": "Leavening",
}
# USDA heads in the plural where a cook writes the singular for a mass noun.
HEAD_NAMES = {"sugars": "sugar", "syrups": "syrup", "oils": "oil"}
# Mass nouns a cook writes before their kind: "Cheese, cheddar" is cheddar cheese.
KIND_FIRST = {"cheese", "oil", "vinegar", "flour", "sugar", "rice", "milk", "juice", "sauce",
              "syrup", "wine", "beer", "honey", "tea", "bread", "yogurt", "cream", "pasta",
              "noodles", "mustard", "wheat flour", "pepper", "beans", "lentils", "peas"}


def read_table(path):
    rows = []
    with open(path, encoding="latin-1") as table:
        for line in table:
            rows.append([field.strip("~") for field in line.rstrip("\r\n").split("^")])
    return rows


def number(text):
    return float(text) if text.strip() else 0.0


class Food:
    def __init__(self, des, abbrev):
        self.ndb = des[0]
        self.group = des[1]
        self.description = des[2]
        self.brand = des[5]
        # SR21 ABBREV columns, per 100 g of edible portion.
        self.kcal = number(abbrev[3])
        self.protein = number(abbrev[4])
        self.fat = number(abbrev[5])
        self.carbohydrate = number(abbrev[7])
        self.fiber = number(abbrev[8])
        self.sugars = number(abbrev[9])
        self.calcium = number(abbrev[10])
        self.iron = number(abbrev[11])
        self.sodium = number(abbrev[15])
        self.vitamin_c = number(abbrev[20])
        self.vitamin_a = number(abbrev[32])
        self.saturated_fat = number(abbrev[42])
        self.cholesterol = number(abbrev[45])
        self.alcohol = self.alcohol_from_energy()
        self.weights = []

    def alcohol_from_energy(self):
        """The abbreviated table has no alcohol: for alcoholic drinks it is the energy that
        protein, fat and carbohydrate do not explain, at 7 kcal/g."""
        if not self.description.lower().startswith("alcoholic beverage"):
            return 0.0
        rest = self.kcal - 4 * self.protein - 9 * self.fat - 4 * self.carbohydrate
        return round(max(rest, 0.0) / 7.0, 2)


def load_foods(folder):
    abbrev = {row[0]: row for row in read_table(os.path.join(folder, "ABBREV.txt"))}
    foods = {}
    for des in read_table(os.path.join(folder, "FOOD_DES.txt")):
        if des[0] in abbrev:
            foods[des[0]] = Food(des, abbrev[des[0]])
    for ndb, _seq, amount, measure, grams, *_ in read_table(os.path.join(folder, "WEIGHT.txt")):
        if ndb in foods and number(amount) > 0:
            foods[ndb].weights.append((measure.lower(), number(grams) / number(amount)))
    return foods


VOLUMES = [("cup", 1.0), ("tbsp", 16.0), ("tsp", 48.0), ("fl oz", 8.0)]
# Measures that count a piece of the food, most telling first.
PIECES = ["head", "whole", "fruit", "bulb", "breast", "thigh", "fillet", "chop", "link", "stalk",
          "clove", "each", "piece", "egg", "slice", "leaf"]
SIZES = ["medium", "large", "small", "extra large", "jumbo"]
NOT_PIECES = ("cup", "tbsp", "tsp", "fl oz", "oz", "lb", "nlea", "serving", "package", "can",
              "container", "pat")


def grams_per_cup(food):
    for word, per_cup in VOLUMES:
        for measure, grams in food.weights:
            if measure.startswith(word):
                return round(grams * per_cup, 2)
    return 0.0


def grams_per_piece(food, name):
    """Grams of one piece as a cook counts it: the medium one ("large egg" counts large eggs)
    of the most telling kind of piece; a measure named after the food itself counts too."""
    size = name.split(" ")[0] if name.split(" ")[0] in SIZES else "medium"
    noun = re.sub(r"e?s$", "", name.split(",")[0].split(" ")[-1])
    best = None
    for measure, grams in food.weights:
        if measure.startswith(NOT_PIECES):
            continue
        words = re.findall(r"[a-z]+", measure)
        kinds = [PIECES.index(word) for word in words if word in PIECES]
        if noun and words and words[0].startswith(noun):
            kinds.append(-1)
        if words and words[0] in SIZES:
            kinds.append(PIECES.index("whole"))
        if not kinds:
            continue
        rank = (0 if size in words else 1, min(kinds))
        if best is None or rank < best[0]:
            best = (rank, grams)
    return round(best[1], 2) if best else 0.0


def split_description(description):
    parts, depth, current = [], 0, ""
    for char in description:
        depth += char == "("
        depth -= char == ")"
        if char == "," and depth == 0:
            parts.append(current.strip())
            current = ""
        else:
            current += char
    parts.append(current.strip())
    return [part for part in parts if part]


def cook_name(food):
    """A catalogue name from the USDA description: "Cheese, cheddar" becomes "cheddar cheese",
    "Spices, pepper, black" "pepper, black"; words that only qualify the raw food go."""
    parts = [part.lower() for part in split_description(food.description)]
    basic = None
    if parts[0] in PREFIX_HEADS and len(parts) > 1:
        basic = PREFIX_HEADS[parts[0]]
        parts = parts[1:]
    parts = [part for part in parts if part not in NOISE and not part.startswith("trimmed to")
             and not part.startswith("urmis") and not part.startswith("usda")]
    if not parts:
        return None, None
    head = HEAD_NAMES.get(parts[0], parts[0])
    parts[0] = head
    if basic is None:
        basic = head.split(" (")[0].capitalize()
    if len(parts) > 1 and head in KIND_FIRST and " " not in parts[1] and len(parts[1]) < 14:
        parts = [parts[1] + " " + head] + parts[2:]
    name = ", ".join(parts[:4])
    return (name if len(name) <= 70 else None), basic


def section_of(food, name):
    text = food.description.lower()
    if "frozen" in text:
        return "Frozen Foods"
    if "canned" in text and food.group in ("0900", "1100", "1500", "1600"):
        return "Canned Goods"
    if food.group == "2000" and ("flour" in text or "meal" in text or "starch" in text):
        return "Baking"
    if food.group == "1900" and ("sugar" in text or "chocolate" in text or "syrup" in text):
        return "Baking"
    if food.group == "0600" and ("sauce" in text or "gravy" in text):
        return "Condiments and Sauces"
    if food.group == "0200" and "fresh" in text:
        return "Produce"
    if food.group == "0400" and ("butter" in name or "margarine" in name or "shortening" in name):
        return "Baking"
    return GROUP_SECTIONS[food.group]


def selectable(food):
    if food.group not in GROUP_SECTIONS or food.brand:
        return False
    text = food.description
    return not EXCLUDED_WORDS.search(text) and not BRAND.search(text.replace("USDA", ""))


# MakeSoundCode: the first non-blank letter, then the group digit of every later letter that
# has one, cut or padded to four characters.
SOUND_GROUPS = ["BFPV", "CGJKQSXZ", "DT", "L", "MN", "R"]
C_SPACE = " \t\n\v\f\r"


def make_sound_code(name):
    if not name:
        return ""
    start = 0
    while start < len(name) - 1 and name[start] in C_SPACE:
        start += 1
    code = name[start].upper()
    for char in name[start + 1:]:
        if len(code) >= 4:
            break
        char = char.upper()
        if char in C_SPACE:
            continue
        for digit, letters in enumerate(SOUND_GROUPS, 1):
            if char in letters:
                code += str(digit)
                break
    return code.ljust(4, "0")


def choose(foods):
    """Common ingredients first, then every selectable food whose name is still free."""
    chosen, names = [], set()
    for ndb, (name, plural, basic, section) in COMMON.items():
        chosen.append((foods[ndb], name, plural, basic, section))
        names.add(name.lower())
    for food in sorted(foods.values(), key=lambda f: f.ndb):
        if food.ndb in COMMON or not selectable(food):
            continue
        name, basic = cook_name(food)
        if name is None or name.lower() in names:
            continue
        names.add(name.lower())
        chosen.append((food, name, "", basic, section_of(food, name)))
    return chosen


def quote(text):
    return "'" + text.replace("'", "''") + "'"


def figure(value):
    return ("%.4f" % value).rstrip("0").rstrip(".") or "0"


def nutrition_values(food):
    amounts = [food.alcohol, food.protein, food.carbohydrate, food.fat, food.saturated_fat,
               food.cholesterol, food.sodium, food.iron, food.vitamin_c, food.vitamin_a,
               food.fiber, food.calcium, food.sugars]
    # Calories and their shares as the program recomputes them from the amounts.
    a, p, c, f = food.alcohol * 7, food.protein * 4, food.carbohydrate * 4, food.fat * 9
    calories = f + c + p + a
    shares = [x / calories * 100 if calories > 0 else 0.0 for x in (p, f, c)]
    return amounts + [4, 100, calories] + shares


def insert_rows(out, table, columns, rows, chunk=200):
    for start in range(0, len(rows), chunk):
        out.write("INSERT INTO %s (%s) VALUES\n" % (table, ", ".join(columns)))
        out.write(",\n".join("  (" + ", ".join(row) + ")" for row in rows[start:start + chunk]))
        out.write(";\n")


def write_sql(out, chosen):
    out.write("-- Ingredient catalogue of a new cookbook: store sections, basic items, ingredients\n"
              "-- and their nutrients per 100 g. Generated by tools/make-catalogue.py from the USDA\n"
              "-- SR21 tables (see catalogue-SOURCE.md); edit the script, not this file.\n"
              "-- LIQUID is grams per fluid ounce, DRY grams per cup, FRACTIONAL grams per piece.\n")
    out.write("BEGIN;\n")
    section_ids = {name: "%06d" % (index + 2) for index, name in enumerate(SECTIONS)}
    insert_rows(out, "MISC", ["TYPE", "SYSTEM", "ITEM", "STRING", "VALUE", "U_TYPE", "U_FACTOR1", "U_FACTOR2"],
                [["'G'", "0", quote(section_ids[name]), quote(name), "0", "0", "0", "0"] for name in SECTIONS])
    basics = sorted({basic for _, _, _, basic, _ in chosen}, key=str.lower)
    basic_ids = {name: "%06d" % (index + 1) for index, name in enumerate(basics)}
    insert_rows(out, "BASIC", ["ID", "NAME"], [[quote(basic_ids[name]), quote(name)] for name in basics])
    ingredients, categories, nutrition = [], [], []
    for index, (food, name, plural, basic, section) in enumerate(chosen):
        item = "%06d" % (index + 1)
        dry = grams_per_cup(food)
        ingredients.append([quote(item), quote(section_ids[section]), quote(name),
                            quote(plural) if plural else "NULL", "'I'", "0",
                            figure(grams_per_piece(food, name)), figure(dry / 8), figure(dry),
                            quote(make_sound_code(name))])
        categories.append([quote(basic_ids[basic]), quote(item)])
        nutrition.append([quote(item)] + [figure(value) for value in nutrition_values(food)] + ["0"])
    insert_rows(out, "INGREDNT", ["INGREDIENT", "GROUPING", "NAME", "PLURAL", "TYPE", "SEASONING",
                                  "FRACTIONAL", "LIQUID", "DRY", "SOUND_NAME"], ingredients)
    insert_rows(out, "ING_CAT_ITEM", ["CATID", "ITEM"], categories)
    insert_rows(out, "ING_NUTRITION", ["ITEM_ID", "ALCOHOL", "PROTEIN", "CARBO", "TOTAL_FAT", "SAT_FAT",
                                       "CHOLESTRL", "SODIUM", "IRON", "VITAMIN_C", "VITAMIN_A", "FIBER",
                                       "CALCIUM", "SUGARS", "UNIT_TYPE", "UNIT_QTY", "CALORIES",
                                       "PCNT_CAL_PROT", "PCNT_CAL_FAT", "PCNT_CAL_CARB", "READ_ONLY"],
                nutrition)
    out.write("COMMIT;\n")


def fetch_tables(work):
    subprocess.run(["apt-get", "download", "gourmand"], cwd=work, check=True)
    package = next(name for name in os.listdir(work) if name.endswith(".deb"))
    subprocess.run(["dpkg-deb", "-x", package, "unpacked"], cwd=work, check=True)
    for folder, _dirs, files in os.walk(os.path.join(work, "unpacked")):
        if "ABBREV.txt" in files:
            return folder
    sys.exit("ABBREV.txt not found in the gourmand package")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", help="folder holding ABBREV.txt, FOOD_DES.txt and WEIGHT.txt")
    default_out = os.path.join(os.path.dirname(__file__), "..", "database", "sql", "catalogue.sql")
    parser.add_argument("--out", default=default_out)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        folder = args.data or fetch_tables(work)
        chosen = choose(load_foods(folder))
    with open(args.out, "w", encoding="ascii", newline="\n") as out:
        write_sql(out, chosen)
    print("%d ingredients written to %s" % (len(chosen), args.out))


if __name__ == "__main__":
    main()
