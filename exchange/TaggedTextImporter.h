#pragma once

#include <string>

#include "exchange/TextFileImporter.h"

class NUTRITION;

// Reads tagged recipe text. Recipes are filed under the category "Tablewise Import".
class CTaggedTextImporter : public CTextFileImporter
{
public:
    CTaggedTextImporter();
    ~CTaggedTextImporter() override;

    int CheckHeader() override;
    int ScanTitles() override;

protected:
    int ImportAt(CRecipeData& recipe) override;
    void PrepareImport() override;

private:
    static const int kEndOfFile = -1;

    // The tag of the next tagged line, kTagEnd for a ">" line, kEndOfFile at the end.
    int ReadTag();
    int ReadRecordPart(int nTag, CRecipeData& recipe, int& nTitles);
    // The next field of the current line; false, with status 12, when the list has ended.
    bool NextField(std::string& value);
    // Nothing left in the field list: older files end their lines before the later fields.
    bool AtListEnd() const;
    CString ReadText();
    double ReadReal();
    long ReadInteger();
    float ReadNutrient();
    char ReadTypeLetter();
    // A value on the tag's line, or one that runs over the next lines up to a lone "|".
    bool ReadTextField(CString& value);
    bool ReadLongText(std::string& value, bool startsOnNextLine);
    bool ReadNutrition(NUTRITION& profile);
    bool ReadCategories(CRecipeData& recipe);
    bool ReadIngredient(CRecipeData& recipe);
    bool ReadIngredientPart(int nTag, CIngData& line);
    void FindRecipeLine(CIngData& line);
    bool ReadReference(CRecipeData& recipe);
    bool ReadTimings(CRecipeData& recipe);
    bool ReadQuantityFields(CIngData& line);
    bool ReadNameFields(CIngData& line);
    bool ReadUnitFields(CIngData& line);

    std::string m_line;
    std::size_t m_fieldStart;
};
