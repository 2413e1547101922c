#pragma once
// Text fields. A value longer than Size characters is cut to Size, unless the dataset
// holds whole texts (TDataSet::WholeTexts).
#include "platform/data/TField.h"

class TStringField : public TField {
public:
    explicit TStringField(TComponent* AOwner);
    String ClassName() const override { return "TStringField"; }

protected:
    Integer GetDefaultWidth() const override { return Size(); }
    String GetAsString() const override;
    // Reading text as a number or date raises the runtime's conversion error
    // ("'<text>' is not a valid integer value").
    Int64 GetAsInteger() const override;
    double GetAsFloat() const override;
    // True when the text begins with T or Y in either case.
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    Variant GetAsVariant() const override;
    void SetAsStringValue(const String& Value) override;
    void SetAsIntegerValue(Int64 Value) override;
    void SetAsFloatValue(double Value) override;
    void SetAsBooleanValue(bool Value) override;
    void SetAsDateTimeValue(TDateTime Value) override;
};

class TWideStringField : public TStringField {
public:
    explicit TWideStringField(TComponent* AOwner);
    String ClassName() const override { return "TWideStringField"; }
};
