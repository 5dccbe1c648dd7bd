-- Units of measure of a new cookbook (MISC rows of TYPE 'U').
--
-- U_TYPE: 0 counted items, 1 liquid, 2 dry, 3 liquid or dry, 4 weight.
-- SYSTEM: 0 US, 1 metric, 2 imperial (only measured units are converted for display).
-- U_FACTOR1: the unit's size in its base measure: US fluid ounces for liquid units and for
--   liquid-or-dry units, US cups for dry units, ounces for weights, 1 for counted items.
-- U_FACTOR2: the size in US cups of a liquid-or-dry unit (used when an ingredient has only
--   a dry weight), else 0.
-- An ingredient's LIQUID weight is grams per fluid ounce, its DRY weight grams per cup and
-- its FRACTIONAL weight grams per item; the nutrition totals multiply them by these factors
-- and the display converts with the same sizes (a fluid ounce 29.57353 ml, a cup 8 fluid
-- ounces, an ounce 28.3495 g).
-- VALUE: the number of the unit a row spells; abbreviations share their unit's number, so
--   that lines written with either are read as the one unit.
-- Unit 000001 is "no unit": a plain count.

INSERT INTO MISC (TYPE, SYSTEM, ITEM, STRING, VALUE, U_TYPE, U_FACTOR1, U_FACTOR2) VALUES
  ('U', 0, '000001', '',                     1, 0, 1,          0),
  ('U', 0, '000002', 'teaspoon',             2, 3, 0.1666667,  0.0208333),
  ('U', 0, '000003', 'tablespoon',           3, 3, 0.5,        0.0625),
  ('U', 0, '000004', 'cup',                  4, 3, 8,          1),
  ('U', 0, '000005', 'fluid ounce',          5, 1, 1,          0),
  ('U', 0, '000006', 'pint',                 6, 1, 16,         0),
  ('U', 0, '000007', 'quart',                7, 1, 32,         0),
  ('U', 0, '000008', 'gallon',               8, 1, 128,        0),
  ('U', 0, '000009', 'dry pint',             9, 2, 2.3272944,  0),
  ('U', 0, '000010', 'dry quart',           10, 2, 4.6545888,  0),
  ('U', 0, '000011', 'dash',                11, 2, 0.0026042,  0),
  ('U', 0, '000012', 'pinch',               12, 2, 0.0013021,  0),
  ('U', 0, '000013', 'ounce',               13, 4, 1,          0),
  ('U', 0, '000014', 'pound',               14, 4, 16,         0),
  ('U', 0, '000015', 'each',                15, 0, 1,          0),
  ('U', 0, '000016', 'clove',               16, 0, 1,          0),
  ('U', 0, '000017', 'slice',               17, 0, 1,          0),
  ('U', 0, '000018', 'can',                 18, 0, 1,          0),
  ('U', 0, '000019', 'package',             19, 0, 1,          0),
  ('U', 0, '000020', 'bunch',               20, 0, 1,          0),
  ('U', 1, '000021', 'milliliter',          21, 1, 0.0338140,  0),
  ('U', 1, '000022', 'liter',               22, 1, 33.8140227, 0),
  ('U', 1, '000023', 'gram',                23, 4, 0.0352740,  0),
  ('U', 1, '000024', 'kilogram',            24, 4, 35.2739907, 0),
  ('U', 1, '000025', 'metric cup',          25, 3, 8.4535057,  1.0566882),
  ('U', 2, '000026', 'imperial fluid ounce', 26, 1, 0.9607599, 0),
  ('U', 2, '000027', 'imperial pint',       27, 1, 19.2151988, 0),
  ('U', 2, '000028', 'imperial quart',      28, 1, 38.4303976, 0),
  ('U', 2, '000029', 'imperial gallon',     29, 1, 153.7215904, 0),
  ('U', 2, '000030', 'imperial cup',        30, 3, 9.6075994,  1.2009499),
  ('U', 0, '000031', 'tsp',                  2, 3, 0.1666667,  0.0208333),
  ('U', 0, '000032', 'tbsp',                 3, 3, 0.5,        0.0625),
  ('U', 0, '000033', 'fl oz',                5, 1, 1,          0),
  ('U', 0, '000034', 'pt',                   6, 1, 16,         0),
  ('U', 0, '000035', 'qt',                   7, 1, 32,         0),
  ('U', 0, '000036', 'gal',                  8, 1, 128,        0),
  ('U', 0, '000037', 'oz',                  13, 4, 1,          0),
  ('U', 0, '000038', 'lb',                  14, 4, 16,         0),
  ('U', 1, '000039', 'ml',                  21, 1, 0.0338140,  0),
  ('U', 1, '000040', 'l',                   22, 1, 33.8140227, 0),
  ('U', 1, '000041', 'g',                   23, 4, 0.0352740,  0),
  ('U', 1, '000042', 'kg',                  24, 4, 35.2739907, 0);
