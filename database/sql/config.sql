-- The configuration database of the database import (RESOURCE\CONFIG.MDB), without rows.
--
-- TableOfTables: one row per kind of source cookbook; Type holds the kind's name and each
-- entity column the source table that holds that kind of record (empty: none).
-- One field-map table per entity, shared by every kind: each row places one field of the
-- entity. FieldTag orders the rows (a row's place in that order is the field's position);
-- FieldName names the source column of Access sources, FieldNumber that of the others;
-- Encrypted marks text read through the character translation; Indexed a column the import
-- indexes in the source first.

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
