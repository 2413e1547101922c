#pragma once
// TField: one column of a dataset's current record, read and written through
// typed accessors. Values travel to and from the dataset as TFieldData; the
// field converts between its own type and the one asked for.
#include "platform/core/TComponent.h"
#include "platform/core/Variant.h"
#include "platform/data/TAlignment.h"
#include "platform/data/TFieldData.h"
#include "platform/data/TFieldType.h"

#include <functional>

class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, String& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const String& Text)>;

class TField : public TComponent {
public:
    explicit TField(TComponent* AOwner);
    // Leaves the dataset's field list.
    ~TField() override;
    String ClassName() const override { return "TField"; }

    // Binding to a dataset. SetDataSet raises "Cannot perform this operation on an
    // open dataset" when either dataset is open.
    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& Value);
    TFieldKind FieldKind() const { return FFieldKind; }
    void SetFieldKind(TFieldKind Value);
    bool Calculated() const { return FFieldKind == fkCalculated; }
    bool Lookup() const { return FFieldKind == fkLookup; }
    TFieldType DataType() const { return FDataType; }
    // 1-based column of the dataset's cursor; 0 while unbound, -1 for calculated fields.
    Integer FieldNo() const { return FFieldNo; }
    // Position in the dataset's field list; -1 without a dataset. Setting it moves
    // the field (clamped to the list) and tells the controls the layout changed.
    Integer Index() const;
    void SetIndex(Integer Value);
    Integer Size() const { return FSize; }
    virtual void SetSize(Integer Value) { FSize = Value; }
    virtual bool IsBlob() const { return false; }

    // Presentation.
    String DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const String& Value) { FDisplayLabel = Value; }
    String DisplayName() const { return DisplayLabel(); }
    Integer DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : GetDefaultWidth(); }
    void SetDisplayWidth(Integer Value) { FDisplayWidth = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool Value) { FRequired = Value; }
    TProviderFlags ProviderFlags() const { return FProviderFlags; }
    void SetProviderFlags(TProviderFlags Value) { FProviderFlags = Value; }
    // Whether the field can be written now: not read-only, a data field (or being
    // calculated) and the dataset can be modified.
    bool CanModify() const;

    // Values of the current record. Readers of a null field give "", 0, false;
    // Value gives Null. Writers need the dataset in a writing state.
    bool IsNull() const;
    void Clear();
    Variant Value() const { return GetAsVariant(); }
    void SetValue(const Variant& Value);
    String AsString() const { return GetAsString(); }
    void SetAsString(const String& Value) { SetAsStringValue(Value); }
    Int64 AsInteger() const { return GetAsInteger(); }
    void SetAsInteger(Int64 Value) { SetAsIntegerValue(Value); }
    Int64 AsLargeInt() const { return GetAsInteger(); }
    void SetAsLargeInt(Int64 Value) { SetAsIntegerValue(Value); }
    double AsFloat() const { return GetAsFloat(); }
    void SetAsFloat(double Value) { SetAsFloatValue(Value); }
    Currency AsCurrency() const { return GetAsFloat(); }
    void SetAsCurrency(Currency Value) { SetAsFloatValue(Value); }
    bool AsBoolean() const { return GetAsBoolean(); }
    void SetAsBoolean(bool Value) { SetAsBooleanValue(Value); }
    TDateTime AsDateTime() const { return GetAsDateTime(); }
    void SetAsDateTime(TDateTime Value) { SetAsDateTimeValue(Value); }
    Variant AsVariant() const { return GetAsVariant(); }
    void SetAsVariant(const Variant& Value) { SetValue(Value); }

    // Text for showing (DisplayFormat applies) and for editing; OnGetText replaces
    // both, OnSetText replaces SetText.
    String DisplayText() const;
    String Text() const;
    void SetText(const String& Value);

    // The raw value through the dataset: GetData answers whether the field has a
    // value. SetData raises "Dataset not in edit or insert mode" outside a writing
    // state and "Field '<name>' cannot be modified" for a read-only field, stores,
    // tells the dataset the field changed and fires OnChange.
    bool GetData(TFieldData& Data) const;
    void SetData(const TFieldData& Data);

    // Asks the controls to put the focus on this field's control.
    void FocusControl();

    TFieldNotifyEvent OnChange;
    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

protected:
    void SetDataType(TFieldType Value) { FDataType = Value; }
    TFieldData ReadData() const;
    // The value as the kind a field class holds, whatever kind the dataset handed
    // over; false for null. Text that does not parse reads as 0.
    bool ReadInteger(Int64& Value) const;
    bool ReadFloat(double& Value) const;
    bool ReadBoolean(bool& Value) const;
    [[noreturn]] void AccessError(const char* TypeName) const;
    virtual Integer GetDefaultWidth() const { return 10; }

    virtual String GetAsString() const;
    virtual Int64 GetAsInteger() const { AccessError("Integer"); }
    virtual double GetAsFloat() const { AccessError("Float"); }
    virtual bool GetAsBoolean() const { AccessError("Boolean"); }
    virtual TDateTime GetAsDateTime() const { AccessError("DateTime"); }
    virtual Variant GetAsVariant() const;
    virtual void SetAsStringValue(const String& Value);
    virtual void SetAsIntegerValue(Int64 Value) { AccessError("Integer"); }
    virtual void SetAsFloatValue(double Value) { AccessError("Float"); }
    virtual void SetAsBooleanValue(bool Value) { AccessError("Boolean"); }
    virtual void SetAsDateTimeValue(TDateTime Value) { AccessError("DateTime"); }
    virtual void SetVarValue(const Variant& Value);
    // The text shown (DisplayText true) or edited; "" for null.
    virtual void GetText(String& Text, bool DisplayText) const;
    virtual void SetTextValue(const String& Value) { SetAsString(Value); }

private:
    friend class TDataSet;
    friend class TFields;

    TDataSet* FDataSet = nullptr;
    String FFieldName;
    String FDisplayLabel;
    TFieldKind FFieldKind = fkData;
    TFieldType FDataType = ftUnknown;
    Integer FFieldNo = 0;
    Integer FCalcIndex = -1; // slot among the record buffer's calculated values
    Integer FSize = 0;
    Integer FDisplayWidth = 0;
    TAlignment FAlignment = taLeftJustify;
    bool FVisible = true;
    bool FReadOnly = false;
    bool FRequired = false;
    TProviderFlags FProviderFlags{pfInUpdate, pfInWhere};
};
