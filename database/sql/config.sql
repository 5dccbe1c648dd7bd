-- The configuration database of the database import (RESOURCE\CONFIG.MDB).
--
-- TableOfTables: one row per kind of source cookbook; Type holds the kind's name and each
-- entity column the source table that holds that kind of record (empty: none).
-- One field-map table per entity, shared by every kind: each row places one field of the
-- entity. FieldTag orders the rows (a row's place in that order is the field's position);
-- FieldName names the source column of Access sources, FieldNumber that of the others;
-- Encrypted marks text read through the character translation; Indexed a column the import
-- indexes in the source first.
--
-- The table and column names below are this program's own layout for each kind of source: the
-- older programs' real layouts are not known here, so import from those programs follows this
-- configuration and reads sources laid out as it says. The "Pantrix" and "Brevana" kinds are
-- FoxPro folders (columns by FieldNumber, at most 10 characters); "Tablewise Import" is an
-- Access-kind file (columns by FieldName). A row with an empty name for one kind leaves that
-- column out of the kind's bound fields, which is how the kinds read the same field at
-- different bound places; read by position, every kind finds a field at the same place.

CREATE TABLE "TableOfTables" (
  "Type" VARCHAR(50),
  "Chapter" VARCHAR(50),
  "Recipe" VARCHAR(50),
  "Category" VARCHAR(50),
  "CatItem" VARCHAR(50),
  "Quantity" VARCHAR(50),
  "Ingredient" VARCHAR(50),
  "Menu" VARCHAR(50),
  "MenuItem" VARCHAR(50),
  "ShopList" VARCHAR(50),
  "ShopItem" VARCHAR(50),
  "Misc" VARCHAR(50),
  "Basic" VARCHAR(50),
  "Reference" VARCHAR(50),
  "RefItem" VARCHAR(50),
  "HiCat" VARCHAR(50),
  "Calendar" VARCHAR(50),
  "Nutrition" VARCHAR(50)
);

CREATE TABLE "Chapter" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Recipe" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Category" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "CatItem" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Quantity" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Ingredient" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Menu" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "MenuItem" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "ShopList" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "ShopItem" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Misc" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Basic" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Reference" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "RefItem" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "HiCat" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Calendar" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

CREATE TABLE "Nutrition" (
  "Id" INTEGER,
  "FieldTag" INTEGER,
  "FieldName" VARCHAR(64),
  "FieldNumber" VARCHAR(64),
  "Encrypted" INTEGER,
  "Indexed" INTEGER
);

INSERT INTO "TableOfTables" VALUES
  ('Pantrix Import', 'PX4011', 'PX4012', 'PX4013', 'PX4014', 'PX4015', 'PX4016', '', '', '', '', '', '', '', '', '', '', 'PX4020'),
  ('Pantrix Master', 'PX4011', 'PX4012', 'PX4013', 'PX4014', 'PX4015', 'PX4016', '', '', '', '', '', '', '', '', '', '', 'PX4020'),
  ('Brevana Import', 'PX4011', 'PX4012', '', 'PX4014', 'PX4015', 'PX4016', '', '', '', '', '', '', 'PX4018', 'PX4019', 'PX4017', '', 'PX4020'),
  ('Brevana Master', 'PX4011', 'PX4012', '', 'PX4014', 'PX4015', 'PX4016', '', '', '', '', '', '', 'PX4018', 'PX4019', 'PX4017', '', 'PX4020'),
  ('Tablewise Import', 'Chapters', 'Recipes', '', 'CategoryItems', 'Quantities', 'Ingredients', '', '', '', '', '', '', 'RefSources', 'RefLinks', 'Categories', '', 'Nutrition');

INSERT INTO "Chapter" VALUES
  (1, 0, 'CHAPTERID', 'CHAPTERID', 0, 1),
  (2, 1, 'TITLE', 'TITLE', 1, 0);

INSERT INTO "Recipe" VALUES
  (1, 0, 'CHAPTERID', 'CHAPTERID', 0, 1),
  (2, 1, 'RECIPEID', 'RECIPEID', 0, 1),
  (3, 2, 'STATUS', 'STATUS', 0, 0),
  (4, 3, 'TITLE', 'TITLE', 1, 1),
  (5, 4, 'SUBTITLE', 'SUBTITLE', 1, 0),
  (6, 5, 'SERVINGS', 'SERVINGS', 0, 0),
  (7, 6, 'YIELDUNIT', 'YIELDUNIT', 0, 0),
  (8, 7, 'COST', 'COST', 0, 0),
  (9, 8, 'COSTUNIT', 'COSTUNIT', 0, 0),
  (10, 9, 'RATING', 'RATING', 0, 0),
  (11, 10, 'PREPHRS', 'PREPHRS', 0, 0),
  (12, 11, 'PREPMINS', 'PREPMINS', 0, 0),
  (13, 12, 'COOKHRS', 'COOKHRS', 0, 0),
  (14, 13, 'COOKMINS', 'COOKMINS', 0, 0),
  (15, 14, 'STANDHRS', 'STANDHRS', 0, 0),
  (16, 15, 'STANDMINS', 'STANDMINS', 0, 0),
  (17, 16, 'SOURCE', 'SOURCE', 1, 0),
  (18, 17, 'ORIGINAL', 'ORIGINAL', 1, 0),
  (19, 18, 'PAGE', 'PAGE', 0, 0),
  (20, 19, 'INTRO', 'INTRO', 1, 0),
  (21, 20, 'MODIFIED', 'MODIFIED', 0, 0),
  (22, 21, 'DIRECTIONS', 'DIRECTIONS', 1, 0),
  (23, 22, 'RECDATE', 'RECDATE', 0, 0);

INSERT INTO "Category" VALUES
  (1, 0, 'CATID', 'CATID', 0, 1),
  (2, 1, 'CATNUM', 'CATNUM', 0, 0),
  (3, 2, 'NAME', 'NAME', 1, 0);

INSERT INTO "CatItem" VALUES
  (1, 0, 'CIID', 'CIID', 0, 0),
  (2, 1, 'CATID', 'CATID', 0, 0),
  (3, 2, 'TYPE', 'TYPE', 0, 0),
  (4, 3, 'ITEMID', 'ITEMID', 0, 1);

INSERT INTO "Quantity" VALUES
  (1, 0, 'QTYID', 'QTYID', 0, 0),
  (2, 1, 'RECIPEID', 'RECIPEID', 0, 1),
  (3, 2, 'LINETYPE', 'LINETYPE', 0, 0),
  (4, 3, 'ITEMID', 'ITEMID', 0, 0),
  (5, 4, 'MAXQTY', 'MAXQTY', 0, 0),
  (6, 5, 'MINQTY', 'MINQTY', 0, 0),
  (7, 6, 'UNITID', 'UNITID', 0, 0),
  (8, 7, 'PREP', 'PREP', 1, 0),
  (9, 8, 'OPTIONAL', 'OPTIONAL', 0, 0),
  (10, 9, 'SWITCH', 'SWITCH', 0, 0);

INSERT INTO "Ingredient" VALUES
  (1, 0, 'INGID', 'INGID', 0, 1),
  (2, 1, 'NAME', 'NAME', 1, 0),
  (3, 2, 'PLURAL', 'PLURAL', 1, 0),
  (4, 3, 'STORESEC', 'STORESEC', 0, 0),
  (5, 4, 'GROUPID', 'GROUPID', 0, 0),
  (6, 5, 'WEIGHT', 'WEIGHT', 0, 0),
  (7, 6, 'UNITID', 'UNITID', 0, 0),
  (8, 7, 'SHOPNAME', 'SHOPNAME', 1, 0),
  (9, 8, 'SHOPUNIT', 'SHOPUNIT', 0, 0),
  (10, 9, 'NOTE', 'NOTE', 1, 0);

INSERT INTO "Reference" VALUES
  (1, 0, 'REFID', 'REFID', 0, 1),
  (2, 1, 'REFTYPE', 'REFTYPE', 0, 0),
  (3, 2, 'NAME', 'NAME', 1, 0),
  (4, 3, 'CONTENT', 'CONTENT', 1, 0);

INSERT INTO "RefItem" VALUES
  (1, 0, 'RIID', NULL, 0, 0),
  (2, 1, 'LINKTYPE', 'LINKTYPE', 0, 0),
  (3, 2, 'LINKID', 'LINKID', 0, 1),
  (4, 3, 'REFID', 'REFID', 0, 0);

INSERT INTO "HiCat" VALUES
  (1, 0, 'CATID', 'CATID', 0, 1),
  (2, 1, 'PARENTID', 'PARENTID', 0, 0),
  (3, 2, 'NAME', 'NAME', 1, 0),
  (4, 3, 'FIRSTCHILD', 'FIRSTCHILD', 0, 0),
  (5, 4, 'NEXTSIB', 'NEXTSIB', 0, 0),
  (6, 5, 'DEPTH', 'DEPTH', 0, 0),
  (7, 6, 'RELINDEX', 'RELINDEX', 0, 0),
  (8, 7, 'FLAGS', 'FLAGS', 0, 0),
  (9, 8, 'TYPE', NULL, 0, 0);

INSERT INTO "Nutrition" VALUES
  (1, 0, 'NUTID', NULL, 0, 0),
  (2, 1, 'INGID', 'INGID', 0, 1),
  (3, 2, 'SOURCE', NULL, 0, 0),
  (4, 3, 'SERVING', NULL, 0, 0),
  (5, 4, 'UPDATED', NULL, 0, 0),
  (6, 5, 'CARBO', 'CARBO', 0, 0),
  (7, 6, 'ALCOHOL', 'ALCOHOL', 0, 0),
  (8, 7, 'PROTEIN', 'PROTEIN', 0, 0),
  (9, 8, 'FAT', 'FAT', 0, 0),
  (10, 9, 'SATFAT', 'SATFAT', 0, 0),
  (11, 10, 'CHOLESTER', 'CHOLESTER', 0, 0),
  (12, 11, 'SODIUM', 'SODIUM', 0, 0),
  (13, 12, 'IRON', 'IRON', 0, 0),
  (14, 13, 'VITC', 'VITC', 0, 0),
  (15, 14, 'VITA', 'VITA', 0, 0),
  (16, 15, 'FIBRE', 'FIBRE', 0, 0),
  (17, 16, 'UNITTYPE', 'UNITTYPE', 0, 0),
  (18, 17, 'UNITQTY', 'UNITQTY', 0, 0);
