#pragma once
// The field objects of a dataset, in display order. The list does not own them:
// default fields are owned by the dataset, persistent fields by their owner.
#include "platform/core/TObject.h"

#include <vector>

class TDataSet;
class TField;

class TFields : public TObject {
public:
    explicit TFields(TDataSet* DataSet);
    // Unbinds the fields still listed.
    ~TFields() override;
    String ClassName() const override { return "TFields"; }

    TDataSet* DataSet() const { return FDataSet; }
    Integer Count() const { return static_cast<Integer>(FList.size()); }
    // Raises EDatabaseError "<dataset>: Field index out of range".
    TField* Fields(Integer Index) const;
    TField* operator[](Integer Index) const { return Fields(Index); }
    Integer IndexOf(const TField* Field) const;

    // The field of that name, ignoring case; null when none.
    TField* FindField(const String& FieldName) const;
    // Raises EDatabaseError "<dataset>: Field '<name>' not found".
    TField* FieldByName(const String& FieldName) const;
    // The data field bound to cursor column FieldNo; null when none.
    TField* FieldByNumber(Integer FieldNo) const;

    // Raises "Field name missing" for an empty name and "Duplicate field name
    // '<name>'" when another listed field has it.
    void CheckFieldName(const String& FieldName) const;
    // Lists Field and binds it to this list's dataset.
    void Add(TField* Field);
    // Unlists Field and unbinds it.
    void Remove(TField* Field);
    // Moves Field to Index (clamped); the controls hear of the new layout.
    void SetFieldIndex(TField* Field, Integer Index);
    // Unlists every field; the dataset's own fields are deleted.
    void Clear();

private:
    TDataSet* FDataSet;
    std::vector<TField*> FList;
};
