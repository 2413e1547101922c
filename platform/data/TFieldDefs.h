#pragma once
// Field definitions: the columns a dataset's cursor offers (name, type, size),
// from which its default fields are made.
#include "platform/core/TPersistent.h"
#include "platform/data/TFieldType.h"

#include <memory>
#include <vector>

class TComponent;
class TDataSet;
class TField;
class TFieldDefs;

class TFieldDef : public TPersistent {
public:
    TFieldDef(TFieldDefs* Owner, const String& Name, TFieldType DataType, Integer Size, bool Required);
    String ClassName() const override { return "TFieldDef"; }
    void Assign(TPersistent* Source) override;

    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    // The name, or the class name when the definition has none (for messages).
    String DisplayName() const;
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    // Characters of a text type, bytes of a byte type, digits of ftBCD; else 0.
    Integer Size() const { return FSize; }
    void SetSize(Integer Value) { FSize = Value; }
    Integer Precision() const { return FPrecision; }
    void SetPrecision(Integer Value) { FPrecision = Value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool Value) { FRequired = Value; }
    // 1-based position among the definitions.
    Integer FieldNo() const;
    Integer Index() const;
    TFieldDefs* Collection() const { return FOwner; }

    // Makes the field object of the class that fits DataType, named and sized
    // after this definition, owned by Owner and bound to the definitions' dataset.
    // Raises EDatabaseError "Field '<name>' is of an unknown type" for a type
    // that has no field class.
    TField* CreateField(TComponent* Owner) const;

private:
    TFieldDefs* FOwner;
    String FName;
    TFieldType FDataType;
    Integer FSize;
    Integer FPrecision = 0;
    bool FRequired;
};

class TFieldDefs : public TPersistent {
public:
    explicit TFieldDefs(TDataSet* DataSet);
    ~TFieldDefs() override;
    String ClassName() const override { return "TFieldDefs"; }
    void Assign(TPersistent* Source) override;

    TDataSet* DataSet() const { return FDataSet; }
    Integer Count() const { return static_cast<Integer>(FItems.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TFieldDef* Items(Integer Index) const;
    TFieldDef* operator[](Integer Index) const { return Items(Index); }

    // Raises EDatabaseError "Field name missing" for an empty name and
    // "Duplicate field name '<name>'" for a name already defined (ignoring case).
    TFieldDef* Add(const String& Name, TFieldType DataType, Integer Size = 0, bool Required = false);
    // Position of the definition of that name, ignoring case; -1 when none.
    Integer IndexOf(const String& Name) const;
    // Raises EDatabaseError "<dataset>: Field '<name>' not found".
    TFieldDef* Find(const String& Name) const;
    void Clear();

    // False until the dataset has filled the definitions since they last changed.
    bool Updated() const { return FUpdated; }
    void SetUpdated(bool Value) { FUpdated = Value; }
    // Lets the dataset fill the definitions when they are not up to date.
    void Update();

private:
    TDataSet* FDataSet;
    std::vector<std::unique_ptr<TFieldDef>> FItems;
    bool FUpdated = false;
};
