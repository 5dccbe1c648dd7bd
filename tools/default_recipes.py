"""The default cookbook's recipes, categories, meal plans, references and store, read by
tools/make-default-cookbook.py.

An ingredient line is "QUANTITY UNIT|INGREDIENT|PREPARATION": the quantity a number, a fraction
("1 1/2") or a range ("2-3"), the unit a unit name of the cookbook (none for a count), the
ingredient a catalogue name or "@" and the title of a recipe above it; a leading "?" marks the
line optional. Ratings: 3 excellent, 2 great, 1 good, 0 none, -1 skip it.
"""

CHAPTERS = ["Breakfasts", "Soups", "Main Dishes", "Side Dishes", "Breads", "Desserts", "Basics"]

# (name, children); each child is (name, children) again.
RECIPE_CATEGORIES = [
    ("Main Ingredient", [
        ("Poultry", []), ("Beef and Lamb", []), ("Pork", []), ("Fish and Seafood", []),
        ("Vegetables", [("Root Vegetables", []), ("Leafy Greens", [])]),
        ("Eggs and Dairy", []), ("Grains and Beans", []), ("Fruit", []),
    ]),
    ("Occasion", [("Weeknight", []), ("Weekend Project", []), ("Holiday", [])]),
    ("Diet", [("Vegetarian", []), ("Lighter", [])]),
    ("Method", [("Baked", []), ("One Pot", []), ("Make Ahead", [])]),
]
MEAL_PLAN_CATEGORIES = [
    ("Everyday", [("Family Weekdays", [])]),
    ("Entertaining", [("Holiday Dinners", [])]),
]

RECIPES = [
    # Basics first: other recipes use them as ingredients.
    dict(title="Flaky Pie Crust", chapter="Basics", servings=8, yield_="crust", prep=15, stand=60,
         rating=3, cost=1.10, date="2024-01-08", categories=["Baked", "Make Ahead"],
         subtitle="One 9-inch crust",
         intro="An all-butter crust that stays flaky. Keep everything cold.",
         lines=["1 1/4 cup|all-purpose flour", "1/4 teaspoon|salt", "1 teaspoon|sugar",
                "1/2 cup|butter, unsalted|cold, cubed", "3-4 tablespoon|water|ice cold"],
         directions="""Whisk the flour, salt and sugar in a bowl.
Cut in the butter until the pieces are the size of peas.
Sprinkle in the water a spoonful at a time, tossing with a fork, until the dough holds together when pressed.
Shape into a disc, wrap and chill for at least 1 hour before rolling."""),
    dict(title="Red Wine Vinaigrette", chapter="Basics", servings=6, yield_="tablespoons", prep=5,
         rating=2, cost=0.90, date="2024-01-09", categories=["Vegetarian", "Make Ahead"],
         lines=["3 tablespoon|red wine vinegar", "1 teaspoon|yellow mustard", "1|garlic|minced",
                "1/2 cup|olive oil", "1/4 teaspoon|salt", "1/8 teaspoon|black pepper"],
         directions="""Whisk the vinegar, mustard and garlic.
Add the oil in a thin stream, whisking until thick. Season with salt and pepper.
Keeps for a week in the refrigerator; shake before using."""),
    dict(title="Chicken Stock", chapter="Basics", servings=8, yield_="cups", prep=15, cook=180,
         rating=2, cost=6.00, date="2024-01-10", categories=["Poultry", "Make Ahead", "One Pot"],
         lines=["2 pound|chicken thigh", "1|onion|quartered", "2|carrot|in chunks", "2 each|celery",
                "2|bay leaf", "10 cup|water", "1 teaspoon|salt"],
         directions="""Put everything in a large pot and bring slowly to a simmer.
Skim the foam, then simmer uncovered for 3 hours.
Strain, cool and lift off the fat. Freeze in 2-cup portions."""),

    # Breakfasts
    dict(title="Buttermilk Pancakes", chapter="Breakfasts", servings=4, yield_="pancakes", prep=10, cook=15,
         rating=3, cost=2.40, date="2024-02-03", categories=["Eggs and Dairy", "Weeknight", "Vegetarian"],
         intro="Tender, tangy pancakes. A lumpy batter makes the lightest ones.",
         lines=["2 cup|all-purpose flour", "2 tablespoon|sugar", "2 teaspoon|baking powder",
                "1 teaspoon|baking soda", "1/2 teaspoon|salt", "2 cup|buttermilk", "2|large egg",
                "3 tablespoon|butter, unsalted|melted", "?2 tablespoon|maple syrup|to serve"],
         directions="""Whisk the flour, sugar, baking powder, baking soda and salt.
Whisk the buttermilk, eggs and melted butter, pour onto the dry ingredients and stir just until combined.
Cook 1/4-cup portions on a hot buttered griddle until bubbles break the surface, then turn and cook 1 minute more."""),
    dict(title="Classic French Toast", chapter="Breakfasts", servings=4, prep=5, cook=15, rating=2,
         cost=2.10, date="2024-02-04", categories=["Eggs and Dairy", "Weeknight", "Vegetarian"],
         lines=["4|large egg", "1 cup|whole milk", "1 teaspoon|vanilla extract", "1/2 teaspoon|ground cinnamon",
                "8 slice|white bread", "2 tablespoon|butter, unsalted", "1/4 cup|maple syrup"],
         directions="""Whisk the eggs, milk, vanilla and cinnamon in a shallow dish.
Dip each slice of bread for a few seconds on each side.
Fry in butter over medium heat until golden, about 2 minutes a side. Serve with maple syrup."""),
    dict(title="Cheese and Herb Omelette", chapter="Breakfasts", servings=1, prep=5, cook=5, rating=2,
         cost=1.20, date="2024-02-05", categories=["Eggs and Dairy", "Weeknight", "Vegetarian", "Lighter"],
         lines=["3|large egg", "1 tablespoon|butter, unsalted", "1/4 cup|gruyere cheese|grated",
                "1 tablespoon|chives|snipped", "1 pinch|salt", "1 pinch|black pepper"],
         directions="""Beat the eggs with the salt and pepper.
Melt the butter in an 8-inch pan over medium-high heat, add the eggs and stir until just set.
Scatter over the cheese and chives, fold and slide onto a warm plate."""),
    dict(title="Overnight Oats with Berries", chapter="Breakfasts", servings=2, prep=5, stand=480,
         rating=1, cost=2.60, date="2024-02-06", categories=["Fruit", "Make Ahead", "Vegetarian", "Lighter"],
         lines=["1 cup|rolled oats", "1 cup|2% milk", "1/2 cup|plain yogurt", "1 tablespoon|honey",
                "1 cup|blueberry", "1/2 cup|strawberry|sliced"],
         directions="""Stir the oats, milk, yogurt and honey together in a jar.
Cover and refrigerate overnight.
Top with the berries in the morning."""),
    dict(title="Shakshuka", chapter="Breakfasts", servings=4, prep=10, cook=25, rating=3, cost=4.50,
         date="2024-02-07", categories=["Eggs and Dairy", "One Pot", "Vegetarian"],
         intro="Eggs poached in a spiced tomato and pepper sauce.",
         lines=["2 tablespoon|olive oil", "1|onion|chopped", "1|red bell pepper|sliced", "3 clove|garlic|sliced",
                "1 teaspoon|cumin seed", "1 teaspoon|paprika", "28 ounce|canned diced tomatoes",
                "6|large egg", "1/2 cup|feta cheese|crumbled", "2 tablespoon|fresh cilantro|chopped"],
         directions="""Soften the onion and pepper in the oil for 8 minutes; add the garlic and spices for 1 minute.
Add the tomatoes and simmer until thickened, about 10 minutes.
Make six hollows, crack in the eggs, cover and cook until the whites are set.
Scatter with feta and cilantro."""),
    dict(title="Honey Almond Granola", chapter="Breakfasts", servings=10, yield_="cups", prep=10, cook=30,
         rating=2, cost=5.80, date="2024-02-08", categories=["Baked", "Make Ahead", "Vegetarian"],
         lines=["4 cup|rolled oats", "1 cup|almonds|chopped", "1 1/2 ounce|unsweetened shredded coconut",
                "1/3 cup|honey", "1/4 cup|canola oil", "1/2 teaspoon|salt", "1 teaspoon|ground cinnamon",
                "3/4 cup|raisins"],
         directions="""Heat the oven to 325 F.
Warm the honey and oil, pour over the oats, almonds, coconut, salt and cinnamon and mix well.
Spread on a lined sheet and bake 30 minutes, stirring twice. Stir in the raisins once cool."""),

    # Soups
    dict(title="French Onion Soup", chapter="Soups", servings=6, prep=20, cook=90, rating=3, cost=9.50,
         date="2024-03-01", categories=["Vegetables", "Weekend Project"],
         intro="Patience is the secret: the onions need a full hour to turn deep brown.",
         lines=["3 tablespoon|butter, unsalted", "2 pound|onion|thinly sliced", "1 teaspoon|sugar",
                "1/2 cup|dry white wine", "8 cup|beef broth", "2|bay leaf", "1 teaspoon|fresh thyme",
                "6 slice|french bread|toasted", "6 ounce|gruyere cheese|grated"],
         directions="""Cook the onions in the butter over medium-low heat, stirring often, until deep brown, about 1 hour; add the sugar halfway.
Add the wine and scrape the pan, then the broth, bay leaves and thyme. Simmer 30 minutes.
Ladle into ovenproof bowls, top with the toast and cheese and grill until bubbling."""),
    dict(title="Minestrone", chapter="Soups", servings=8, prep=20, cook=45, rating=2, cost=8.00,
         date="2024-03-02", categories=["Vegetables", "Vegetarian", "One Pot", "Lighter"],
         lines=["2 tablespoon|olive oil", "1|onion|diced", "2|carrot|diced", "2 each|celery|diced",
                "2 clove|garlic|minced", "1|zucchini|diced", "28 ounce|canned diced tomatoes",
                "6 cup|chicken broth", "15 ounce|canned great northern beans|rinsed",
                "4 ounce|spaghetti|broken", "2 cup|spinach", "1/2 cup|parmesan cheese, grated"],
         directions="""Soften the onion, carrot and celery in the oil, then add the garlic and zucchini.
Add the tomatoes and broth and simmer 20 minutes.
Add the beans and pasta and cook until the pasta is tender. Stir in the spinach and serve with parmesan."""),
    dict(title="Chicken Noodle Soup", chapter="Soups", servings=6, prep=15, cook=35, rating=3, cost=7.20,
         date="2024-03-03", categories=["Poultry", "Weeknight", "One Pot"],
         lines=["1 tablespoon|olive oil", "1|onion|diced", "2|carrot|sliced", "2 each|celery|sliced",
                "1|@Chicken Stock", "1 pound|boneless chicken breast", "3 cup|egg noodles",
                "2 tablespoon|fresh parsley|chopped", "1/2 teaspoon|salt"],
         directions="""Soften the vegetables in the oil.
Add the stock and the whole chicken breasts and simmer 15 minutes; lift out the chicken and shred it.
Add the noodles and cook 8 minutes, return the chicken, season and add the parsley."""),
    dict(title="Tomato Basil Soup", chapter="Soups", servings=4, prep=10, cook=30, rating=2, cost=5.00,
         date="2024-03-04", categories=["Vegetables", "Vegetarian", "Weeknight"],
         lines=["2 tablespoon|butter, unsalted", "1|onion|chopped", "2 clove|garlic", "28 ounce|canned diced tomatoes",
                "2 cup|chicken broth", "1/2 cup|heavy cream", "1/2 cup|fresh basil|torn", "1/2 teaspoon|salt"],
         directions="""Soften the onion and garlic in the butter.
Add the tomatoes and broth, simmer 20 minutes, then blend until smooth.
Stir in the cream and basil and season."""),
    dict(title="Red Lentil Soup", chapter="Soups", servings=6, prep=10, cook=30, rating=2, cost=4.20,
         date="2024-03-05", categories=["Grains and Beans", "Vegetarian", "Lighter", "One Pot"],
         lines=["2 tablespoon|olive oil", "1|onion|chopped", "2|carrot|diced", "2 teaspoon|cumin seed",
                "1 1/2 cup|dried lentils|rinsed", "6 cup|water", "2 tablespoon|lemon juice", "1 teaspoon|salt"],
         directions="""Soften the onion and carrot in the oil; add the cumin for a minute.
Add the lentils and water and simmer until the lentils fall apart, about 25 minutes.
Blend half the soup, stir back in and finish with lemon juice and salt."""),
    dict(title="Split Pea Soup with Bacon", chapter="Soups", servings=6, prep=15, cook=90, rating=1, cost=5.60,
         date="2024-03-06", categories=["Grains and Beans", "Pork", "One Pot"],
         lines=["4 ounce|bacon|chopped", "1|onion|chopped", "2|carrot|diced", "1 pound|dried split peas",
                "2 liter|water", "1|bay leaf", "1/2 teaspoon|black pepper"],
         directions="""Crisp the bacon in a large pot; add the onion and carrot and soften.
Add the peas, water and bay leaf and simmer, stirring now and then, until thick, about 90 minutes.
Season with pepper; thin with water if needed."""),
    dict(title="Butternut Squash Soup", chapter="Soups", servings=6, prep=20, cook=40, rating=3, cost=6.30,
         date="2024-03-07", categories=["Root Vegetables", "Vegetarian", "Holiday"],
         lines=["1 kilogram|butternut squash|peeled, cubed", "1|onion|chopped", "2 tablespoon|butter, unsalted",
                "1 liter|chicken broth", "1/4 teaspoon|ground nutmeg", "250 milliliter|half-and-half",
                "1 teaspoon|salt"],
         directions="""Soften the onion in the butter, add the squash and broth and simmer until tender, 25 minutes.
Blend until smooth with the nutmeg.
Stir in the half-and-half, season and reheat without boiling."""),
    dict(title="Potato Leek Soup", chapter="Soups", servings=4, prep=15, cook=30, rating=2, cost=4.80,
         date="2024-03-08", categories=["Root Vegetables", "Vegetarian"],
         lines=["3|leek|white parts, sliced", "2 tablespoon|butter, unsalted", "1 1/2 pound|russet potato|diced",
                "4 cup|chicken broth", "1/2 cup|heavy cream", "1 tablespoon|chives"],
         directions="""Sweat the leeks in the butter until soft, 10 minutes.
Add the potatoes and broth and simmer until tender.
Blend, add the cream and scatter with chives."""),

    # Main dishes
    dict(title="Lemon Herb Roast Chicken", chapter="Main Dishes", servings=6, prep=15, cook=90, stand=15,
         rating=3, cost=12.00, date="2024-04-01", categories=["Poultry", "Baked", "Holiday"],
         intro="A whole chicken roasted over lemon and herbs; the pan juices make the sauce.",
         lines=["4 pound|whole chicken", "1|lemon|halved", "4 clove|garlic|crushed", "3 tablespoon|butter, unsalted|softened",
                "1 tablespoon|fresh thyme", "1 tablespoon|fresh rosemary", "1 teaspoon|salt", "1/2 teaspoon|black pepper"],
         directions="""Heat the oven to 425 F.
Rub the chicken with butter, herbs, salt and pepper; put the lemon and garlic inside.
Roast until the thigh juices run clear, about 1 1/2 hours.
Rest 15 minutes before carving."""),
    dict(title="Beef and Red Wine Stew", chapter="Main Dishes", servings=6, prep=30, cook=150, rating=3,
         cost=18.50, date="2024-04-02", categories=["Beef and Lamb", "One Pot", "Weekend Project"],
         lines=["2 pound|beef chuck|in 1 1/2-inch cubes", "1/4 cup|all-purpose flour", "3 tablespoon|canola oil",
                "1|onion|chopped", "3 clove|garlic", "2 tablespoon|tomato paste", "2 cup|dry red wine",
                "2 cup|beef broth", "4|carrot|in chunks", "1 pound|red potato|halved", "2|bay leaf",
                "1 teaspoon|dried thyme", "1 teaspoon|salt"],
         directions="""Toss the beef in the flour and brown it in batches in the oil.
Soften the onion and garlic, stir in the tomato paste, then the wine, scraping up the browned bits.
Return the beef with the broth, bay leaves and thyme; cover and simmer 1 1/2 hours.
Add the carrots and potatoes and cook 1 hour more. Season."""),
    dict(title="Spaghetti Bolognese", chapter="Main Dishes", servings=6, prep=15, cook=60, rating=3,
         cost=10.40, date="2024-04-03", categories=["Beef and Lamb", "Grains and Beans", "Weeknight"],
         lines=["2 tablespoon|olive oil", "1|onion|finely chopped", "1|carrot|finely chopped",
                "1 each|celery|finely chopped", "2 clove|garlic", "1 pound|ground beef, 85% lean",
                "1/2 cup|whole milk", "1/2 cup|dry white wine", "28 ounce|canned diced tomatoes",
                "1 pound|spaghetti", "1/2 cup|parmesan cheese, grated"],
         directions="""Soften the vegetables in the oil, add the garlic and the beef and brown it.
Add the milk and let it cook away, then the wine, then the tomatoes.
Simmer gently for 45 minutes.
Cook the spaghetti, toss with the sauce and serve with parmesan."""),
    dict(title="Weeknight Chicken Curry", chapter="Main Dishes", servings=4, prep=15, cook=30, rating=2,
         cost=9.00, date="2024-04-04", categories=["Poultry", "Weeknight", "One Pot"],
         lines=["2 tablespoon|canola oil", "1|onion|sliced", "3 clove|garlic", "1 tablespoon|fresh ginger|grated",
                "2 tablespoon|curry powder", "1 1/2 pound|boneless chicken breast|in pieces",
                "14 fluid ounce|coconut milk", "1 cup|canned diced tomatoes", "2 cup|spinach",
                "1 cup|long-grain white rice|to serve"],
         directions="""Soften the onion in the oil, add the garlic, ginger and curry powder for a minute.
Add the chicken and stir to coat, then the coconut milk and tomatoes. Simmer 15 minutes.
Stir in the spinach until wilted. Serve with the rice, cooked."""),
    dict(title="Baked Salmon with Dill", chapter="Main Dishes", servings=4, prep=10, cook=15, rating=3,
         cost=16.00, date="2024-04-05", categories=["Fish and Seafood", "Baked", "Lighter", "Weeknight"],
         lines=["600 gram|salmon fillet", "1 tablespoon|olive oil", "2 tablespoon|fresh dill|chopped",
                "1|lemon|sliced", "1/2 teaspoon|salt", "1/4 teaspoon|black pepper"],
         directions="""Heat the oven to 400 F.
Lay the salmon on a lined tray, brush with oil and season.
Cover with dill and lemon slices and bake 12 to 15 minutes."""),
    dict(title="Tofu and Vegetable Stir-Fry", chapter="Main Dishes", servings=4, prep=20, cook=15, rating=1,
         cost=7.50, date="2024-04-06", categories=["Vegetables", "Vegetarian", "Lighter", "Weeknight"],
         lines=["14 ounce|firm tofu|cubed", "2 tablespoon|peanut oil", "1|red bell pepper|sliced",
                "2 cup|broccoli|florets", "2|carrot|thinly sliced", "2 clove|garlic", "1 tablespoon|fresh ginger",
                "3 tablespoon|soy sauce", "1 teaspoon|sesame oil", "1 teaspoon|cornstarch", "4|green onion"],
         directions="""Fry the tofu in half the oil until golden; set aside.
Stir-fry the vegetables in the rest of the oil for 4 minutes, add the garlic and ginger.
Mix the soy sauce, sesame oil and cornstarch with 1/4 cup water, add with the tofu and toss until glossy."""),
    dict(title="Chili con Carne", chapter="Main Dishes", servings=8, prep=15, cook=75, rating=2, cost=11.00,
         date="2024-04-07", categories=["Beef and Lamb", "Grains and Beans", "One Pot", "Make Ahead"],
         lines=["2 pound|ground beef, 85% lean", "1|onion|chopped", "1|green bell pepper|chopped", "3 clove|garlic",
                "3 tablespoon|chili powder", "2 teaspoon|cumin seed", "28 ounce|canned diced tomatoes",
                "8 ounce|tomato sauce", "1 cup|dried kidney beans|soaked overnight", "2 cup|water",
                "1 teaspoon|salt", "?1/2 cup|cheddar cheese|grated, to serve"],
         directions="""Brown the beef, then add the onion and pepper and soften.
Add the garlic and spices, then the tomatoes, tomato sauce, drained beans and water.
Simmer covered for an hour, until the beans are tender. Season."""),
    dict(title="Shepherd's Pie", chapter="Main Dishes", servings=6, prep=30, cook=45, rating=2, cost=12.50,
         date="2024-04-08", categories=["Beef and Lamb", "Baked", "Root Vegetables"],
         source="Savorum kitchen, after a London pub", intro="Lamb under a crust of buttery mash.",
         lines=["1 1/2 pound|ground lamb", "1|onion|chopped", "2|carrot|diced", "2 tablespoon|all-purpose flour",
                "1 tablespoon|tomato paste", "1/2 imperial pint|beef broth", "1 tablespoon|worcestershire sauce",
                "2 pound|russet potato", "1/4 imperial pint|whole milk", "4 tablespoon|butter, unsalted",
                "1 teaspoon|salt"],
         directions="""Brown the lamb, add the onion and carrots and soften. Stir in the flour and tomato paste.
Add the broth and worcestershire and simmer 20 minutes.
Boil the potatoes, mash with the milk, butter and salt.
Spread the filling in a dish, cover with the mash and bake at 400 F for 25 minutes."""),
    dict(title="Pork Chops with Apples", chapter="Main Dishes", servings=4, prep=10, cook=25, rating=2,
         cost=10.00, date="2024-04-09", categories=["Pork", "Fruit", "Weeknight"],
         lines=["4|boneless pork loin chop", "1/2 teaspoon|salt", "1 tablespoon|canola oil",
                "2 tablespoon|butter, unsalted", "2|apple|sliced", "2 tablespoon|shallot|sliced", "1/2 cup|chicken broth",
                "1 tablespoon|cider vinegar", "1 teaspoon|fresh thyme"],
         directions="""Season the chops and brown in the oil, 4 minutes a side; keep warm.
Melt the butter, cook the apples and shallot until golden.
Add the broth, vinegar and thyme, boil until syrupy and spoon over the chops."""),
    dict(title="Mushroom Risotto", chapter="Main Dishes", servings=4, prep=10, cook=35, rating=3, cost=9.80,
         date="2024-04-10", categories=["Vegetables", "Vegetarian", "Grains and Beans"],
         lines=["1 liter|chicken broth", "2 tablespoon|olive oil", "3 tablespoon|shallot|minced", "300 gram|white mushroom|sliced",
                "300 gram|short-grain rice", "125 milliliter|dry white wine", "30 gram|butter, unsalted",
                "50 gram|parmesan cheese, grated"],
         directions="""Keep the broth at a simmer.
Cook the shallot and mushrooms in the oil until browned, add the rice and stir 2 minutes.
Add the wine, then the broth a ladle at a time, stirring, until the rice is creamy, about 20 minutes.
Beat in the butter and parmesan."""),
    dict(title="Quiche Lorraine", chapter="Main Dishes", servings=6, prep=20, cook=40, stand=10, rating=3,
         cost=8.20, date="2024-04-11", categories=["Eggs and Dairy", "Pork", "Baked"],
         intro="Bacon and gruyere in a silky custard, baked in the flaky crust from the Basics chapter.",
         lines=["1|@Flaky Pie Crust", "6 ounce|bacon|chopped", "4|large egg", "1 1/2 cup|half-and-half",
                "1 cup|gruyere cheese|grated", "1/4 teaspoon|ground nutmeg", "1/4 teaspoon|salt"],
         directions="""Heat the oven to 375 F. Roll out the crust, line a 9-inch pie plate and blind-bake 15 minutes.
Crisp the bacon and scatter it with the cheese over the crust.
Whisk the eggs, half-and-half, nutmeg and salt, pour in and bake until just set, 30 to 35 minutes.
Rest 10 minutes before cutting."""),
    dict(title="Fish Tacos", chapter="Main Dishes", servings=4, prep=20, cook=10, rating=0, cost=13.00,
         date="2024-04-12", categories=["Fish and Seafood", "Weeknight", "Lighter"],
         lines=["1 pound|cod fillet", "1 teaspoon|chili powder", "1 tablespoon|canola oil", "2 cup|green cabbage|shredded",
                "1/2 cup|sour cream", "1|lime|juiced", "1/4 cup|fresh cilantro", "8 slice|white bread"],
         directions="""Season the fish with chili powder and pan-fry in the oil, 3 minutes a side; flake.
Mix the sour cream with the lime juice.
Serve the fish on the bread or warm tortillas with cabbage, lime cream and cilantro."""),

    # Side dishes
    dict(title="Garlic Mashed Potatoes", chapter="Side Dishes", servings=6, prep=10, cook=25, rating=3,
         cost=3.90, date="2024-05-01", categories=["Root Vegetables", "Vegetarian", "Holiday"],
         lines=["3 pound|russet potato|peeled", "6 clove|garlic|peeled", "1/2 cup|butter, unsalted",
                "3/4 cup|whole milk|warm", "1 teaspoon|salt"],
         directions="""Boil the potatoes and garlic in salted water until tender.
Drain, mash with the butter and milk, and season."""),
    dict(title="Roasted Root Vegetables", chapter="Side Dishes", servings=6, prep=15, cook=40, rating=2,
         cost=4.70, date="2024-05-02", categories=["Root Vegetables", "Vegetarian", "Baked", "Lighter"],
         lines=["1 pound|carrot", "1 pound|parsnip", "1 pound|sweet potato", "1|onion|in wedges",
                "3 tablespoon|olive oil", "1 tablespoon|fresh rosemary", "1 teaspoon|salt"],
         directions="""Heat the oven to 425 F.
Cut the vegetables into even chunks and toss with the oil, rosemary and salt.
Roast in one layer, turning once, until browned, about 40 minutes."""),
    dict(title="Green Beans Almondine", chapter="Side Dishes", servings=4, prep=10, cook=10, rating=2,
         cost=4.10, date="2024-05-03", categories=["Vegetables", "Vegetarian", "Holiday", "Lighter"],
         lines=["1 pound|green beans|trimmed", "2 tablespoon|butter, unsalted", "1/3 cup|almonds|sliced",
                "1 tablespoon|lemon juice", "1/4 teaspoon|salt"],
         directions="""Blanch the beans for 4 minutes and drain.
Brown the almonds in the butter, add the beans and toss until hot.
Finish with lemon juice and salt."""),
    dict(title="Creamy Coleslaw", chapter="Side Dishes", servings=8, prep=15, stand=30, rating=-1, cost=3.20,
         date="2024-05-04", categories=["Leafy Greens", "Vegetarian", "Make Ahead"],
         lines=["1|green cabbage|shredded", "2|carrot|grated", "2/3 cup|mayonnaise", "2 tablespoon|cider vinegar",
                "1 tablespoon|sugar", "1/2 teaspoon|salt"],
         directions="""Whisk the mayonnaise, vinegar, sugar and salt.
Toss with the cabbage and carrots and chill 30 minutes."""),
    dict(title="Rice Pilaf", chapter="Side Dishes", servings=4, prep=5, cook=25, stand=5, rating=2,
         cost=1.90, date="2024-05-05", categories=["Grains and Beans", "One Pot"],
         lines=["2 tablespoon|butter, unsalted", "2 tablespoon|shallot|minced", "1 cup|long-grain white rice",
                "2 cup|chicken broth", "1|bay leaf", "2 tablespoon|fresh parsley"],
         directions="""Soften the shallot in the butter, add the rice and stir until it smells toasty.
Add the broth and bay leaf, cover and simmer 18 minutes.
Rest 5 minutes, fluff and stir in the parsley."""),
    dict(title="Greek Salad", chapter="Side Dishes", servings=4, prep=15, rating=3, cost=7.40,
         date="2024-05-06", categories=["Leafy Greens", "Vegetarian", "Lighter"],
         lines=["1|romaine lettuce|chopped", "3|tomato|in wedges", "1|cucumber|sliced", "1/2|onion|thinly sliced",
                "1/2 cup|black olives", "4 ounce|feta cheese", "1/2|@Red Wine Vinaigrette"],
         directions="""Arrange the lettuce, tomatoes, cucumber, onion and olives in a bowl.
Crumble over the feta and dress with the vinaigrette just before serving."""),
    dict(title="Maple Glazed Carrots", chapter="Side Dishes", servings=4, prep=10, cook=15, rating=1,
         cost=2.30, date="2024-05-07", categories=["Root Vegetables", "Vegetarian", "Holiday"],
         lines=["1 pound|carrot|sliced", "2 tablespoon|butter, unsalted", "2 tablespoon|maple syrup",
                "1/4 teaspoon|salt", "1 tablespoon|fresh parsley"],
         directions="""Simmer the carrots in a little water until just tender and the water is gone.
Add the butter, maple syrup and salt and toss over the heat until glazed. Add the parsley."""),

    # Breads
    dict(title="Basic White Bread", chapter="Breads", servings=16, yield_="slices", prep=20, cook=35,
         stand=120, rating=2, cost=2.00, date="2024-06-01", categories=["Baked", "Weekend Project"],
         lines=["6 cup|bread flour", "2 tablespoon|sugar", "2 teaspoon|salt", "1 ounce|fresh yeast",
                "2 1/4 cup|water|warm", "2 tablespoon|butter, unsalted|soft"],
         directions="""Dissolve the yeast in the warm water with the sugar.
Mix in the flour, salt and butter and knead 10 minutes until smooth.
Let rise until doubled, about 1 hour; shape into two loaves and let rise 45 minutes more.
Bake at 375 F for 35 minutes."""),
    dict(title="Irish Soda Bread", chapter="Breads", servings=8, yield_="wedges", prep=10, cook=40,
         rating=3, cost=1.60, date="2024-06-02", categories=["Baked", "Weeknight"],
         source="Savorum kitchen", original="A Dublin family loaf", page="12",
         lines=["1 pound|all-purpose flour", "1 teaspoon|baking soda", "1 teaspoon|salt",
                "3/4 imperial pint|buttermilk"],
         directions="""Heat the oven to 425 F.
Mix the flour, soda and salt, pour in the buttermilk and mix quickly into a soft dough.
Shape a round, cut a deep cross on top and bake 35 to 40 minutes, until it sounds hollow."""),
    dict(title="Skillet Cornbread", chapter="Breads", servings=8, prep=10, cook=25, rating=2, cost=2.20,
         date="2024-06-03", categories=["Baked", "Weeknight"],
         lines=["1 cup|yellow cornmeal", "1 cup|all-purpose flour", "2 tablespoon|sugar", "1 tablespoon|baking powder",
                "1/2 teaspoon|salt", "1 cup|buttermilk", "2|large egg", "4 tablespoon|butter, unsalted|melted"],
         directions="""Heat the oven to 425 F with a buttered cast-iron skillet inside.
Mix the dry ingredients, then stir in the buttermilk, eggs and butter.
Pour into the hot skillet and bake 20 to 25 minutes."""),
    dict(title="Banana Bread", chapter="Breads", servings=12, yield_="slices", prep=15, cook=60, rating=3,
         cost=3.10, date="2024-06-04", categories=["Fruit", "Baked", "Make Ahead"],
         lines=["3|banana|very ripe, mashed", "1/3 cup|butter, unsalted|melted", "3/4 cup|brown sugar",
                "1|large egg", "1 teaspoon|vanilla extract", "1 teaspoon|baking soda", "1/4 teaspoon|salt",
                "1 1/2 cup|all-purpose flour", "?1/2 cup|walnuts|chopped"],
         directions="""Heat the oven to 350 F and butter a loaf pan.
Mix the bananas, butter, sugar, egg and vanilla; stir in the soda, salt and flour, then the walnuts.
Bake about an hour, until a skewer comes out clean."""),
    dict(title="Rosemary Focaccia", chapter="Breads", servings=12, yield_="squares", prep=20, cook=25,
         stand=150, rating=3, cost=2.80, date="2024-06-05", categories=["Baked", "Weekend Project", "Vegetarian"],
         lines=["500 gram|bread flour", "400 milliliter|water", "10 gram|salt", "10 gram|fresh yeast",
                "60 milliliter|olive oil", "2 tablespoon|fresh rosemary"],
         directions="""Mix the flour, water, salt and yeast into a wet dough; rest 2 hours, folding it every 30 minutes.
Pour half the oil into a tray, stretch the dough into it and let rise 30 minutes.
Dimple with oiled fingers, scatter with rosemary and the rest of the oil and bake at 450 F for 25 minutes."""),

    # Desserts
    dict(title="Classic Apple Pie", chapter="Desserts", servings=8, prep=40, cook=55, stand=120, rating=3,
         cost=7.90, date="2024-07-01", categories=["Fruit", "Baked", "Holiday"],
         intro="Two rounds of the flaky crust from the Basics chapter around a spiced apple filling.",
         lines=["2|@Flaky Pie Crust", "3 pound|apple|peeled, sliced", "3/4 cup|sugar", "2 tablespoon|all-purpose flour",
                "1 teaspoon|ground cinnamon", "1/4 teaspoon|ground nutmeg", "1 tablespoon|lemon juice",
                "2 tablespoon|butter, unsalted|diced"],
         directions="""Heat the oven to 425 F.
Toss the apples with the sugar, flour, spices and lemon juice.
Line a pie plate with one crust, fill, dot with butter and cover with the second crust; cut vents.
Bake 15 minutes, then at 350 F for 40 minutes more. Cool 2 hours before slicing."""),
    dict(title="Chocolate Chip Cookies", chapter="Desserts", servings=36, yield_="cookies", prep=15, cook=12,
         rating=3, cost=6.50, date="2024-07-02", categories=["Baked", "Make Ahead"],
         lines=["1 cup|butter, unsalted|softened", "3/4 cup|sugar", "3/4 cup|brown sugar", "2|large egg",
                "1 teaspoon|vanilla extract", "2 1/4 cup|all-purpose flour", "1 teaspoon|baking soda",
                "1 teaspoon|salt", "2 cup|semisweet chocolate chips"],
         directions="""Heat the oven to 375 F.
Cream the butter and sugars, beat in the eggs and vanilla.
Stir in the flour, soda and salt, then the chocolate.
Drop tablespoons onto sheets and bake 10 to 12 minutes."""),
    dict(title="Fudgy Brownies", chapter="Desserts", servings=16, yield_="brownies", prep=15, cook=30,
         rating=2, cost=5.20, date="2024-07-03", categories=["Baked", "Make Ahead"],
         lines=["1/2 cup|butter, unsalted", "4 ounce|unsweetened baking chocolate", "1 1/2 cup|sugar",
                "3|large egg", "1 teaspoon|vanilla extract", "3/4 cup|all-purpose flour",
                "1/4 cup|unsweetened cocoa powder", "1/4 teaspoon|salt"],
         directions="""Heat the oven to 350 F and line an 8-inch pan.
Melt the butter and chocolate, stir in the sugar, then the eggs and vanilla.
Fold in the flour, cocoa and salt, spread in the pan and bake 28 to 30 minutes."""),
    dict(title="Lemon Bars", chapter="Desserts", servings=16, yield_="bars", prep=20, cook=45, stand=60,
         rating=2, cost=4.40, date="2024-07-04", categories=["Fruit", "Baked"],
         lines=["1 cup|all-purpose flour", "1/2 cup|butter, unsalted|soft", "1/4 cup|powdered sugar",
                "2|large egg", "1 cup|sugar", "2 tablespoon|all-purpose flour", "1/3 cup|lemon juice",
                "1 tablespoon|powdered sugar|to dust"],
         directions="""Heat the oven to 350 F. Rub the flour, butter and powdered sugar together, press into an 8-inch pan and bake 20 minutes.
Whisk the eggs, sugar, flour and lemon juice, pour over the hot base and bake 25 minutes more.
Cool, chill and dust with powdered sugar."""),
    dict(title="Baked Rice Pudding", chapter="Desserts", servings=6, prep=10, cook=120, rating=1,
         cost=2.50, date="2024-07-05", categories=["Eggs and Dairy", "Baked"],
         lines=["1/2 cup|short-grain rice", "4 cup|whole milk", "1/3 cup|sugar", "1 tablespoon|butter, unsalted",
                "1/4 teaspoon|ground nutmeg", "?1/3 cup|raisins"],
         directions="""Heat the oven to 300 F.
Stir the rice, milk and sugar in a buttered dish, dot with butter and dust with nutmeg.
Bake 2 hours, stirring twice in the first hour; add the raisins then if you like."""),
    dict(title="Strawberry Shortcake", chapter="Desserts", servings=6, prep=25, cook=15, rating=2,
         cost=8.60, date="2024-07-06", categories=["Fruit", "Baked"],
         lines=["2 cup|all-purpose flour", "3 tablespoon|sugar", "1 tablespoon|baking powder", "1/2 teaspoon|salt",
                "6 tablespoon|butter, unsalted|cold", "3/4 cup|heavy cream", "1 quart|strawberry|sliced",
                "2 tablespoon|sugar|for the berries", "1 cup|heavy cream|whipped"],
         directions="""Heat the oven to 425 F.
Rub the butter into the flour, sugar, baking powder and salt; stir in the cream and pat out 3/4 inch thick.
Cut 6 rounds and bake 12 to 15 minutes.
Sugar the berries, split the biscuits and fill with berries and whipped cream."""),
    dict(title="Carrot Cake", chapter="Desserts", servings=12, prep=30, cook=40, stand=60, rating=2,
         cost=9.30, date="2024-07-07", categories=["Root Vegetables", "Baked", "Holiday"],
         lines=["2 cup|all-purpose flour", "2 teaspoon|baking soda", "1 teaspoon|ground cinnamon", "1/2 teaspoon|salt",
                "4|large egg", "1 1/4 cup|canola oil", "1 1/2 cup|sugar", "3 cup|carrot|grated",
                "1 cup|pecans|chopped", "8 ounce|cream cheese", "1/4 cup|butter, unsalted",
                "2 cup|powdered sugar"],
         directions="""Heat the oven to 350 F and grease two 9-inch pans.
Mix the flour, soda, cinnamon and salt; beat the eggs, oil and sugar and combine; fold in the carrots and pecans.
Bake 35 to 40 minutes and cool.
Beat the cream cheese, butter and powdered sugar and frost the layers."""),
]

# Meal plans: items are (day, meal, recipe title, servings); meals 1 breakfast, 3 lunch, 5 dinner.
MEAL_PLANS = [
    dict(name="Three Family Weekdays", servings=4, categories=["Family Weekdays"],
         description="Breakfast, lunch and dinner for a family of four, Monday to Wednesday.",
         items=[(1, 1, "Buttermilk Pancakes", 4), (1, 3, "Tomato Basil Soup", 4),
                (1, 5, "Weeknight Chicken Curry", 4), (2, 1, "Overnight Oats with Berries", 4),
                (2, 3, "Red Lentil Soup", 4), (2, 5, "Spaghetti Bolognese", 4),
                (3, 1, "Classic French Toast", 4), (3, 3, "Greek Salad", 4),
                (3, 5, "Baked Salmon with Dill", 4), (3, 5, "Rice Pilaf", 4)]),
    dict(name="Holiday Weekend", servings=8, categories=["Holiday Dinners", "Entertaining"],
         description="Two days of cooking for guests: a roast on Saturday, a pie for Sunday.",
         items=[(1, 1, "Shakshuka", 8), (1, 5, "Lemon Herb Roast Chicken", 8),
                (1, 5, "Garlic Mashed Potatoes", 8), (1, 5, "Green Beans Almondine", 8),
                (1, 5, "Classic Apple Pie", 8), (2, 1, "Honey Almond Granola", 8),
                (2, 3, "Butternut Squash Soup", 8), (2, 5, "Quiche Lorraine", 8),
                (2, 5, "Maple Glazed Carrots", 8)]),
]

# References: (kind, name, content, linked recipes, linked meal plans); kinds T topic, K hint.
REFERENCES = [
    ("T", "Measuring Flour",
     "Spoon flour into the cup and level it with a knife; scooping packs it and adds up to a quarter more.\n"
     "A cup of all-purpose flour weighs about 125 g.",
     ["Buttermilk Pancakes", "Basic White Bread", "Chocolate Chip Cookies", "Flaky Pie Crust"], []),
    ("T", "Browning Onions",
     "Slow, even heat and a wide pan turn onions sweet and brown; crowding them only steams them.",
     ["French Onion Soup"], []),
    ("T", "Planning a Holiday Meal",
     "Bake the pie and the crust the day before, and let the roast rest while the oven finishes the sides.",
     [], ["Holiday Weekend"]),
    ("K", "Cold butter makes flaky pastry",
     "Keep the butter and water ice cold and handle the dough as little as you can.",
     ["Flaky Pie Crust", "Classic Apple Pie", "Quiche Lorraine", "Strawberry Shortcake"], []),
    ("K", "Rest meat before carving",
     "Ten to fifteen minutes under loose foil lets the juices settle back into the meat.",
     ["Lemon Herb Roast Chicken", "Pork Chops with Apples"], []),
    ("K", "Salt the pasta water",
     "About a tablespoon of salt for every 4 quarts of water seasons the pasta from within.",
     ["Spaghetti Bolognese", "Minestrone"], []),
]

# The store and its sections in walking order.
STORE = ("Corner Market", ["Produce", "Bakery", "Deli", "Meat", "Poultry", "Seafood", "Dairy and Eggs",
                           "Frozen Foods", "Canned Goods", "Pasta, Rice and Grains", "Beans and Legumes",
                           "Baking", "Spices and Herbs", "Oils and Vinegars", "Condiments and Sauces",
                           "Cereal", "Nuts and Snacks", "Sweets", "Beverages"])
