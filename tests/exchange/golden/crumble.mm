
---------- Exported from Brevana for Meal-Master, v7.0

     Title: Apple Crumble
Categories: Desserts, Baking
  Servings: 6


----------------------------------TOPPING----------------------------------
  1 1/2 c  all-purpose flour; sifted
    1/2 c  sugar
      4 T  butter; cold, in small cubes
           -and rubbed in well with the
           -fingertips
      1 t  cinnamon
      6    Bramley apples; peeled

Heat the oven.
Rub the butter into the flour.

Bake 40 minutes.

-----

