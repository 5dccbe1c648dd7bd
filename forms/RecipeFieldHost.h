#pragma once

// What the recipe field window needs of the form that edits the recipe.
class CRecipeFieldHost
{
public:
    // Every change the user makes to the recipe reaches here.
    virtual void SetDirty() = 0;

protected:
    ~CRecipeFieldHost() = default;
};
