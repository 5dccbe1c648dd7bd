#!/usr/bin/env python3
"""Writes database/sql/default-cookbook.sql, the recipes, chapters, categories, meal plans,
references and store of the default cookbook, from the recipes in tools/default_recipes.py.

    tools/make-default-cookbook.py [--out FILE]

Ingredient and unit names are looked up in the catalogue and units of a new cookbook (the
committed SQL under database/sql), so every line points at a row that exists. Each recipe's
nutrition row is computed the way the program totals a recipe, so that a recipe opened and
saved again keeps the same figures.
"""
import argparse
import os
import re
import sqlite3
import sys

sys.path.insert(0, os.path.dirname(__file__))
import default_recipes as book  # noqa: E402

SQL = os.path.join(os.path.dirname(__file__), "..", "database", "sql")
CATALOGUE_SCRIPTS = ["tables.sql", "queries.sql", "seed_units.sql", "seed-core.sql", "catalogue.sql"]
AMOUNTS = ["ALCOHOL", "PROTEIN", "CARBO", "TOTAL_FAT", "SAT_FAT", "CHOLESTRL", "SODIUM", "IRON",
           "VITAMIN_C", "VITAMIN_A", "FIBER", "CALCIUM", "SUGARS"]


def catalogue():
    db = sqlite3.connect(":memory:")
    for script in CATALOGUE_SCRIPTS:
        with open(os.path.join(SQL, script), encoding="ascii") as text:
            db.executescript(text.read())
    return db


def quote(text):
    if text is None or text == "":
        return "NULL"
    lines = text.replace("'", "''").split("\n")
    # Paragraphs of long texts are separated by CR LF, as the program writes them.
    return " || char(13, 10) || ".join("'%s'" % line for line in lines)


def figure(value):
    return ("%.6f" % value).rstrip("0").rstrip(".") or "0"


def number(text):
    whole = 0.0
    for part in text.split():
        if "/" in part:
            top, bottom = part.split("/")
            whole += float(top) / float(bottom)
        else:
            whole += float(part)
    return whole


LINE = re.compile(r"^(?P<optional>\?)?(?P<qty>[0-9][0-9 /.]*(?:-[0-9 /.]+)?)?\s*(?P<unit>[a-z ]*?)\s*"
                  r"\|(?P<item>[^|]+)(?:\|(?P<prep>.*))?$")


class Line:
    def __init__(self, text, db, recipe_ids):
        match = LINE.match(text)
        if not match:
            sys.exit("bad line: " + text)
        qty = (match.group("qty") or "").strip()
        low, _, high = qty.partition("-")
        self.min_qty = number(low) if low else 0.0
        self.max_qty = number(high) if high else self.min_qty
        self.optional = 1 if match.group("optional") else 0
        self.preparation = (match.group("prep") or "").strip()
        self.unit = self.find_unit(db, match.group("unit").strip(), text)
        item = match.group("item").strip()
        if item.startswith("@"):
            self.type, self.item = "R", recipe_ids.get(item[1:])
            if self.item is None:
                sys.exit("embedded recipe must come first: " + text)
        else:
            row = db.execute("SELECT INGREDIENT FROM INGREDNT WHERE NAME=?", (item,)).fetchone()
            if row is None:
                sys.exit("no ingredient named %r in the catalogue" % item)
            self.type, self.item = "I", row[0]

    @staticmethod
    def find_unit(db, name, text):
        row = db.execute("SELECT ITEM, U_TYPE, U_FACTOR1, U_FACTOR2 FROM MISC WHERE TYPE='U' AND STRING=? "
                         "ORDER BY ITEM", (name,)).fetchone()
        if row is None:
            sys.exit("no unit %r: %s" % (name, text))
        return row


def scaled(profile, factor):
    return [value * factor for value in profile] if factor > 0 else profile


def line_nutrition(db, line):
    """One ingredient line's share of the recipe total: its stored profile per 100 g times the
    grams of the line, with the fluid-ounce and cup weights completed from each other."""
    row = db.execute("SELECT %s, UNIT_QTY FROM ING_NUTRITION WHERE ITEM_ID=?" % ",".join(AMOUNTS),
                     (line.item,)).fetchone()
    if row is None:
        return None
    if row[-1] == 0:
        return [0.0] * len(AMOUNTS)
    fractional, liquid, dry = db.execute("SELECT FRACTIONAL, LIQUID, DRY FROM INGREDNT WHERE INGREDIENT=?",
                                         (line.item,)).fetchone()
    _, unit_type, factor1, factor2 = line.unit
    q = line.min_qty or 1.0
    u1 = factor1 or 1.0
    if liquid <= 0 and dry > 0:
        liquid = dry * 0.125
    if dry <= 0 and liquid > 0:
        dry = liquid * 8.0
    grams = {0: fractional * u1, 5: fractional * u1, 1: liquid * u1, 2: dry * u1,
             3: liquid * u1 if liquid else dry * (factor2 or 1.0), 4: u1 * 28.4}.get(unit_type, 1.0)
    return scaled(list(row[:-1]), q * (grams or 1.0) * 0.01)


def recipe_nutrition(db, recipe, lines, per_serving):
    total = [0.0] * len(AMOUNTS)
    for line in lines:
        if line.optional:
            continue
        if line.type == "I":
            share = line_nutrition(db, line)
        else:
            embedded, servings = per_serving[line.item]
            share = scaled(scaled(embedded, servings if servings >= 1 else 0), line.min_qty)
        if share is not None:
            total = [a + b for a, b in zip(total, share)]
    servings = recipe["servings"]
    return [value / servings for value in total] if servings >= 1 else total


def calories_and_shares(amounts):
    alcohol, protein, carbo, fat = amounts[0] * 7, amounts[1] * 4, amounts[2] * 4, amounts[3] * 9
    calories = fat + carbo + protein + alcohol
    if calories <= 0:
        return [calories, 0.0, 0.0, 0.0]
    return [calories, protein / calories * 100, fat / calories * 100, carbo / calories * 100]


def insert(out, table, values):
    out.write("INSERT INTO %s (%s) VALUES (%s);\n" % (table, ", ".join(values), ", ".join(values.values())))


class Writer:
    def __init__(self, out, db):
        self.out, self.db = out, db
        self.recipe_ids, self.per_serving = {}, {}
        self.category_ids = {}

    def chapters(self):
        self.chapter_ids = {}
        for index, title in enumerate(book.CHAPTERS):
            self.chapter_ids[title] = "%06d" % (index + 1)
            insert(self.out, "COOKBOOK", {"COOKBOOK": quote(self.chapter_ids[title]), "TITLE": quote(title)})

    def categories(self):
        """The tree is linked by REL_INDEX: all top-level categories form one sibling chain,
        recipe categories before meal-plan ones, so that each kind's first slot is a top-level
        category of that kind; children follow their kind's top level."""
        index = 1
        for kind, tree in (("R", book.RECIPE_CATEGORIES), ("M", book.MEAL_PLAN_CATEGORIES)):
            tops = []
            for name, _children in tree:
                tops.append(self.category_row(kind, name, "000000", index))
                index += 1
            for (_name, children), top in zip(tree, tops):
                index = self.category_children(kind, top, children, index)
        tops = [row for row in self.category_rows if row["PARENTID"] == "000000"]
        for before, after in zip(tops, tops[1:]):
            before["SIBLING"] = after["REL_INDEX"]

    def category_row(self, kind, name, parent, index):
        row = {"CATID": "%06d" % index, "PARENTID": parent, "NAME": name, "TYPE": kind, "REL_INDEX": index,
               "FIRSTKID": -1, "SIBLING": -1}
        self.category_rows.append(row)
        self.category_ids[(kind, name)] = row["CATID"]
        return row

    def category_children(self, kind, parent, children, index):
        rows = []
        for name, _grandchildren in children:
            rows.append(self.category_row(kind, name, parent["CATID"], index))
            index += 1
        if rows:
            parent["FIRSTKID"] = rows[0]["REL_INDEX"]
        for before, after in zip(rows, rows[1:]):
            before["SIBLING"] = after["REL_INDEX"]
        for (name, grandchildren), row in zip(children, rows):
            index = self.category_children(kind, row, grandchildren, index)
        return index

    def write_categories(self, filed_recipes, filed_menus):
        for row in self.category_rows:
            insert(self.out, "HICAT", {
                "CATID": quote(row["CATID"]), "PARENTID": quote(row["PARENTID"]), "NAME": quote(row["NAME"]),
                "TYPE": quote(row["TYPE"]), "HASRECIPES": str(int(row["CATID"] in filed_recipes)),
                "HASMENUS": str(int(row["CATID"] in filed_menus)), "REL_INDEX": str(row["REL_INDEX"]),
                "FIRSTKID": str(row["FIRSTKID"]), "SIBLING": str(row["SIBLING"])})

    def category(self, kind, name):
        if (kind, name) not in self.category_ids:
            sys.exit("no %s category %r" % (kind, name))
        return self.category_ids[(kind, name)]

    def recipe(self, index, recipe):
        recipe_id = "%06d" % (index + 1)
        lines = [Line(text, self.db, self.recipe_ids) for text in recipe["lines"]]
        prep, cook, stand = recipe.get("prep", 0), recipe.get("cook", 0), recipe.get("stand", 0)
        insert(self.out, "RECIPE", {
            "COOKBOOK": quote(self.chapter_ids[recipe["chapter"]]), "RECIPE": quote(recipe_id),
            "TITLE": quote(recipe["title"]), "SUBTITLE": quote(recipe.get("subtitle")),
            "SERVINGS": str(recipe["servings"]), "YIELD_UNIT": quote(recipe.get("yield_")),
            "COST": figure(recipe.get("cost", 0)), "COST_UNIT": quote("per recipe" if recipe.get("cost") else None),
            "PREP_MIN": str(prep), "COOK_MIN": str(cook), "STND_MIN": str(stand),
            "TOTAL_MIN": str(prep + cook + stand), "RATING": str(recipe.get("rating", 0)),
            "SOURCE": quote(recipe.get("source", "Savorum kitchen")), "ORIGINAL": quote(recipe.get("original")),
            "PAGE": quote(recipe.get("page")), "DATE_FLD": quote(recipe.get("date")),
            "INTRO": quote(recipe.get("intro")), "DIRECTIONS": quote(recipe["directions"].strip())})
        for number_, line in enumerate(lines, 1):
            insert(self.out, "QUANTITY", {
                "QUANTITY": str(number_), "RECIPE": quote(recipe_id), "TYPE": quote(line.type),
                "ITEM": quote(line.item), "MAX_QTY": figure(line.max_qty), "MIN_QTY": figure(line.min_qty),
                "UNIT": quote(line.unit[0]), "PREPARATN": quote(line.preparation),
                "OPTIONAL": str(line.optional), "SWITCH": "0"})
        for name in recipe.get("categories", []):
            insert(self.out, "RCP_CAT_ITEM", {"CATID": quote(self.category("R", name)), "ITEM": quote(recipe_id)})
        amounts = recipe_nutrition(self.db, recipe, lines, self.per_serving)
        self.per_serving[recipe_id] = (amounts, recipe["servings"])
        values = {"ITEM_ID": quote(recipe_id)}
        values.update({column: figure(value) for column, value in zip(AMOUNTS, amounts)})
        values.update({"UNIT_TYPE": "0", "UNIT_QTY": "0"})
        values.update(zip(["CALORIES", "PCNT_CAL_PROT", "PCNT_CAL_FAT", "PCNT_CAL_CARB"],
                          [figure(value) for value in calories_and_shares(amounts)]))
        values["READ_ONLY"] = "0"
        insert(self.out, "RCP_NUTRITION", values)
        self.recipe_ids[recipe["title"]] = recipe_id
        return recipe_id

    def meal_plans(self):
        for index, plan in enumerate(book.MEAL_PLANS):
            menu_id = "%06d" % (index + 1)
            self.menu_ids[plan["name"]] = menu_id
            insert(self.out, "MENU", {"MENU": quote(menu_id), "NAME": quote(plan["name"]),
                                      "SERVINGS": str(plan["servings"]), "DESCRIPTION": quote(plan["description"])})
            for day, meal, title, servings in plan["items"]:
                insert(self.out, "MN_ITEM", {
                    "MENU": quote(menu_id), "TYPE": "'R'", "ITEM": quote(self.recipe_ids[title]),
                    "STRING": quote(title), "SERVINGS": str(servings), "MEAL": str(meal), "DAY": str(day)})
            for name in plan["categories"]:
                insert(self.out, "MENU_CAT_ITEM", {"CATID": quote(self.category("M", name)), "ITEM": quote(menu_id)})

    def references(self):
        for index, (kind, name, content, recipes, plans) in enumerate(book.REFERENCES):
            ref_id = "%06d" % (index + 1)
            insert(self.out, "REFERENC", {"REFID": quote(ref_id), "REFTYPE": quote(kind), "NAME": quote(name),
                                          "CONTENT": quote(content)})
            links = [("R", self.recipe_ids[title]) for title in recipes]
            links += [("M", self.menu_ids[name_]) for name_ in plans]
            for link_type, link_id in links:
                insert(self.out, "REFITEM", {"LINKTYPE": quote(link_type), "LINKID": quote(link_id),
                                             "REFID": quote(ref_id)})

    def store(self):
        name, sections = book.STORE
        insert(self.out, "STORE", {"Store": "'000001'", "Name": quote(name)})
        for section in sections:
            row = self.db.execute("SELECT ITEM FROM MISC WHERE TYPE='G' AND STRING=?", (section,)).fetchone()
            if row is None:
                sys.exit("no store section %r" % section)
            insert(self.out, "STORE_SEC", {"Store": "'000001'", "Section": quote(row[0])})

    def write(self):
        self.out.write("-- The default cookbook's own content: chapters, recipes with their lines, categories\n"
                       "-- and nutrition, meal plans, references and a store. Generated by\n"
                       "-- tools/make-default-cookbook.py from tools/default_recipes.py; edit those, not this.\n")
        self.out.write("BEGIN;\n")
        self.chapters()
        self.category_rows, self.menu_ids = [], {}
        self.categories()
        for index, recipe in enumerate(book.RECIPES):
            self.recipe(index, recipe)
        self.meal_plans()
        filed_recipes = {self.category("R", name) for recipe in book.RECIPES for name in recipe.get("categories", [])}
        filed_menus = {self.category("M", name) for plan in book.MEAL_PLANS for name in plan["categories"]}
        self.write_categories(filed_recipes, filed_menus)
        self.references()
        self.store()
        self.out.write("COMMIT;\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(SQL, "default-cookbook.sql"))
    args = parser.parse_args()
    with open(args.out, "w", encoding="ascii", newline="\n") as out:
        Writer(out, catalogue()).write()
    print("%d recipes written to %s" % (len(book.RECIPES), args.out))


if __name__ == "__main__":
    main()
