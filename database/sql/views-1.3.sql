-- The ingredient-line views of a version 1.3 cookbook: the same text that upgrading a 1.2
-- cookbook leaves behind.
CREATE VIEW NewShowIngredientsNoStores AS SELECT QUANTITY.RECIPE AS RcpItem,QUANTITY.RECIPE,QUANTITY.QUANTITY,
  QUANTITY.MIN_QTY,QUANTITY.MAX_QTY,QUANTITY.TYPE,QUANTITY.ITEM,QUANTITY.UNIT,QUANTITY.PREPARATN,QUANTITY.OPTIONAL,
  QUANTITY.SWITCH,INGREDNT.NAME,INGREDNT.PLURAL,INGREDNT.GROUPING,INGREDNT.SEASONING,INGREDNT.FRACTIONAL,
  INGREDNT.LIQUID,INGREDNT.DRY,MISC.STRING,MISC.VALUE,MISC.U_TYPE,MISC.U_FACTOR1,MISC.U_FACTOR2,MISC.SYSTEM
  FROM (QUANTITY LEFT OUTER JOIN MISC ON QUANTITY.UNIT = MISC.ITEM AND MISC.TYPE='U')
  LEFT OUTER JOIN INGREDNT ON QUANTITY.ITEM = INGREDNT.INGREDIENT WHERE ((QUANTITY.TYPE='I'));
INSERT INTO QUERYTEXT VALUES ('NewShowIngredientsNoStores',
  'SELECT * FROM NewShowIngredientsNoStores WHERE RcpItem=? ORDER BY QUANTITY');
CREATE VIEW NewShowIngredients AS SELECT NewShowIngredientsNoStores.RcpItem,NewShowIngredientsNoStores.RECIPE,
  NewShowIngredientsNoStores.QUANTITY,NewShowIngredientsNoStores.MIN_QTY,NewShowIngredientsNoStores.MAX_QTY,
  NewShowIngredientsNoStores.TYPE,NewShowIngredientsNoStores.ITEM,NewShowIngredientsNoStores.UNIT,
  NewShowIngredientsNoStores.PREPARATN,NewShowIngredientsNoStores.OPTIONAL,NewShowIngredientsNoStores.SWITCH,
  NewShowIngredientsNoStores.NAME,NewShowIngredientsNoStores.PLURAL,NewShowIngredientsNoStores.GROUPING,
  NewShowIngredientsNoStores.SEASONING,NewShowIngredientsNoStores.FRACTIONAL,NewShowIngredientsNoStores.LIQUID,
  NewShowIngredientsNoStores.DRY,NewShowIngredientsNoStores.STRING,NewShowIngredientsNoStores.VALUE,
  NewShowIngredientsNoStores.U_TYPE,NewShowIngredientsNoStores.U_FACTOR1,NewShowIngredientsNoStores.U_FACTOR2,
  NewShowIngredientsNoStores.SYSTEM,MISC.STRING AS GROUP_NAME
  FROM NewShowIngredientsNoStores LEFT OUTER JOIN MISC ON NewShowIngredientsNoStores.GROUPING=MISC.ITEM AND MISC.TYPE='G';
INSERT INTO QUERYTEXT VALUES ('NewShowIngredients', 'SELECT * FROM NewShowIngredients WHERE RcpItem=? ORDER BY QUANTITY');
