#pragma once
// Statement parameters: named values bound to the "?" placeholders that
// ParseSQL leaves in place of ":name" markers.
#include "platform/core/TPersistent.h"
#include "platform/core/Variant.h"
#include "platform/data/TFieldType.h"

#include <memory>
#include <vector>

class TComponent;
class TField;
class TParams;

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

class TParam : public TPersistent {
public:
    explicit TParam(TParams* Collection = nullptr, TParamType ParamType = ptUnknown);
    String ClassName() const override { return "TParam"; }
    // Copies name, type, kind and value from another parameter, or the value and
    // type of a field; anything else raises the platform's assign error.
    void Assign(TPersistent* Source) override;
    // Takes the field's name, type and value.
    void AssignField(TField* Field);
    // Takes the field's type and value, keeping this parameter's name.
    void AssignFieldValue(TField* Field, const Variant& Value);

    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType Value) { FParamType = Value; }
    Integer Size() const { return FSize; }
    void SetSize(Integer Value) { FSize = Value; }
    // True once a value (Null included) has been given.
    bool Bound() const { return FBound; }
    void SetBound(bool Value) { FBound = Value; }
    TParams* Collection() const { return FCollection; }

    // The value as given; a parameter of unknown type takes its type from it.
    const Variant& Value() const { return FData; }
    void SetValue(const Variant& Value);
    // Null (or never given).
    bool IsNull() const { return FData.IsNull() || FData.IsEmpty(); }
    // Sets the value to Null, keeping the type.
    void Clear();

    // Readers: a null parameter reads as "", 0, false. Conversions follow Variant's
    // rules and raise its conversion errors.
    String AsString() const;
    Int64 AsInteger() const;
    Int64 AsLargeInt() const { return AsInteger(); }
    double AsFloat() const;
    Currency AsCurrency() const { return AsFloat(); }
    bool AsBoolean() const;
    TDateTime AsDateTime() const;
    // Each writer also sets the data type it names.
    void SetAsString(const String& Value) { Set(ftString, Variant(Value)); }
    void SetAsWideString(const String& Value) { Set(ftWideString, Variant(Value)); }
    void SetAsMemo(const String& Value) { Set(ftMemo, Variant(Value)); }
    void SetAsBlob(const String& Bytes) { Set(ftBlob, Variant(Bytes)); }
    void SetAsSmallInt(Integer Value) { Set(ftSmallint, Variant(Value)); }
    void SetAsInteger(Int64 Value) { Set(ftInteger, Variant(static_cast<long long>(Value))); }
    void SetAsLargeInt(Int64 Value) { Set(ftLargeint, Variant(static_cast<long long>(Value))); }
    void SetAsFloat(double Value) { Set(ftFloat, Variant(Value)); }
    void SetAsCurrency(Currency Value) { Set(ftCurrency, Variant::FromCurrency(Value)); }
    void SetAsBoolean(bool Value) { Set(ftBoolean, Variant(Value)); }
    void SetAsDate(TDateTime Value) { Set(ftDate, Variant::FromDateTime(Value)); }
    void SetAsTime(TDateTime Value) { Set(ftTime, Variant::FromDateTime(Value)); }
    void SetAsDateTime(TDateTime Value) { Set(ftDateTime, Variant::FromDateTime(Value)); }

private:
    void Set(TFieldType DataType, const Variant& Value);

    TParams* FCollection;
    String FName;
    TFieldType FDataType = ftUnknown;
    TParamType FParamType;
    Integer FSize = 0;
    bool FBound = false;
    Variant FData;
};

class TParams : public TPersistent {
public:
    // Owner names the component in error messages (a dataset); it may be null.
    explicit TParams(TComponent* Owner = nullptr);
    ~TParams() override;
    String ClassName() const override { return "TParams"; }
    // Replaces every parameter with copies of Source's.
    void Assign(TPersistent* Source) override;

    TComponent* Owner() const { return FOwner; }
    Integer Count() const { return static_cast<Integer>(FItems.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TParam* Items(Integer Index) const;
    TParam* operator[](Integer Index) const { return Items(Index); }

    TParam* Add();
    TParam* CreateParam(TFieldType DataType, const String& ParamName, TParamType ParamType);
    // Takes ownership of Value.
    void AddParam(TParam* Value);
    // Deletes Value when this collection holds it.
    void RemoveParam(TParam* Value);
    void Clear();

    // First parameter of that name, ignoring case; null when none.
    TParam* FindParam(const String& Value) const;
    // Raises EDatabaseError "<owner>: Parameter '<name>' not found".
    TParam* ParamByName(const String& Value) const;
    // Copies the value and type of every parameter of Value into the parameter
    // of the same name here; names missing here are skipped.
    void AssignValues(const TParams& Value);

    // Replaces every ":name" outside single- or double-quoted literals with "?"
    // and, with DoCreate, clears the list and adds one parameter per marker in
    // order. "::" becomes a literal ":"; a colon not followed by a name stays as
    // it is. A name runs up to a blank, a line break, a tab, one of , ; ( ) = < > + - * / |
    // or the end; a name in double quotes (:"a b") may hold any of them.
    String ParseSQL(const String& SQL, bool DoCreate);

private:
    TComponent* FOwner;
    std::vector<std::unique_ptr<TParam>> FItems;
};
