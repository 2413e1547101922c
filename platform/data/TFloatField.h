#pragma once
// Floating-point fields; TCurrencyField shows money with the currency format.
#include "platform/data/TNumericField.h"

class TFloatField : public TNumericField {
public:
    explicit TFloatField(TComponent* AOwner);
    String ClassName() const override { return "TFloatField"; }

    // Significant digits of the general format (15 by default).
    Integer Precision() const { return FPrecision; }
    void SetPrecision(Integer Value) { FPrecision = Value < 2 ? 2 : (Value > 15 ? 15 : Value); }
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }

protected:
    String GetAsString() const override;
    // Rounds to the nearest whole number (ties to even).
    Int64 GetAsInteger() const override;
    double GetAsFloat() const override;
    Variant GetAsVariant() const override;
    void GetText(String& Text, bool DisplayText) const override;
    // Raises "'<text>' is not a valid floating point value for field '<name>'"; "" clears.
    void SetAsStringValue(const String& Value) override;
    void SetAsIntegerValue(Int64 Value) override { SetAsFloatValue(static_cast<double>(Value)); }
    void SetAsFloatValue(double Value) override;
    void SetVarValue(const Variant& Value) override;

private:
    Integer FPrecision = 15;
    bool FCurrency = false;
};

class TCurrencyField : public TFloatField {
public:
    explicit TCurrencyField(TComponent* AOwner);
    String ClassName() const override { return "TCurrencyField"; }
};

class TBCDField : public TFloatField {
public:
    explicit TBCDField(TComponent* AOwner);
    String ClassName() const override { return "TBCDField"; }
};
