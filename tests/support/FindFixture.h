#pragma once
// A small cookbook to search: three recipes, their ingredients in two ingredient categories,
// and three meal plans, one of which holds only an ingredient line.
#include <gtest/gtest.h>

#include "database/CookbookDatabase.h"

namespace fixture {

inline void AddFindFixture(CCookbookDatabase& db)
{
    const char* const statements[] = {
        "INSERT INTO BASIC (ID, NAME) VALUES ('990001', 'Zeppa Family')",
        "INSERT INTO BASIC (ID, NAME) VALUES ('990002', 'Morrow Family')",
        "INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900011', 'zeppa red')",
        "INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900012', 'zeppa white')",
        "INSERT INTO INGREDNT (INGREDIENT, NAME) VALUES ('900013', 'morrow grain')",
        "INSERT INTO ING_CAT_ITEM (CATID, ITEM) VALUES ('990001', '900011')",
        "INSERT INTO ING_CAT_ITEM (CATID, ITEM) VALUES ('990001', '900012')",
        "INSERT INTO ING_CAT_ITEM (CATID, ITEM) VALUES ('990002', '900013')",
        "INSERT INTO RECIPE (RECIPE, COOKBOOK, TITLE, DIRECTIONS, SERVINGS) "
        "VALUES ('000301', '000001', 'Zeppa Soup', 'Simmer slowly.', 4)",
        "INSERT INTO RECIPE (RECIPE, COOKBOOK, TITLE, DIRECTIONS, SERVINGS) "
        "VALUES ('000302', '000001', 'Zeppa Bread', 'Knead the dough.', 4)",
        "INSERT INTO RECIPE (RECIPE, COOKBOOK, TITLE, DIRECTIONS, SERVINGS) "
        "VALUES ('000303', '000001', 'Morrow Loaf', 'Knead well.', 4)",
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (1, '000301', 'I', '900011')",
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (2, '000301', 'I', '900012')",
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (1, '000302', 'I', '900012')",
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (2, '000302', 'I', '900013')",
        "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM) VALUES (1, '000303', 'I', '900013')",
        "INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000401', 'Zeppa Picnic', 4)",
        "INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000402', 'Winter Table', 4)",
        "INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000403', 'Pantry Day', 4)",
        "INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING) VALUES ('000401', 'R', '000301', 'Zeppa Soup')",
        "INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING) VALUES ('000402', 'R', '000303', 'Morrow Loaf')",
        "INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING) VALUES ('000402', 'R', '000302', 'Zeppa Bread')",
        "INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING) VALUES ('000403', 'I', '900011', 'zeppa red')",
    };
    for (const char* sql : statements)
        EXPECT_TRUE(db.ExecuteDirect(sql)) << sql;
    // The meal-plan list and the ingredient categories are cached once read.
    db.ClearCaches();
}

}  // namespace fixture
