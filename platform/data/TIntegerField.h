#pragma once
// Whole-number fields. Values are 64-bit throughout: an integer column keeps
// any value it holds. TSmallintField and TWordField check their ranges.
#include "platform/data/TNumericField.h"

class TIntegerField : public TNumericField {
public:
    explicit TIntegerField(TComponent* AOwner);
    String ClassName() const override { return "TIntegerField"; }

protected:
    Integer GetDefaultWidth() const override { return 11; }
    String GetAsString() const override;
    Int64 GetAsInteger() const override;
    double GetAsFloat() const override;
    Variant GetAsVariant() const override;
    void GetText(String& Text, bool DisplayText) const override;
    // Raises "'<text>' is not a valid integer value for field '<name>'"; "" clears.
    void SetAsStringValue(const String& Value) override;
    void SetAsIntegerValue(Int64 Value) override;
    // Rounds to the nearest whole number (ties to even).
    void SetAsFloatValue(double Value) override;
    void SetVarValue(const Variant& Value) override;
    // Raises "<value> is not a valid value for field '<name>'. The allowed range
    // is <min> to <max>" outside the class's range.
    virtual void CheckRange(Int64 Value) const {}
    void RangeError(Int64 Value, Int64 Min, Int64 Max) const;
};

class TSmallintField : public TIntegerField {
public:
    explicit TSmallintField(TComponent* AOwner);
    String ClassName() const override { return "TSmallintField"; }

protected:
    Integer GetDefaultWidth() const override { return 6; }
    void CheckRange(Int64 Value) const override;
};

class TWordField : public TIntegerField {
public:
    explicit TWordField(TComponent* AOwner);
    String ClassName() const override { return "TWordField"; }

protected:
    Integer GetDefaultWidth() const override { return 6; }
    void CheckRange(Int64 Value) const override;
};

class TAutoIncField : public TIntegerField {
public:
    explicit TAutoIncField(TComponent* AOwner);
    String ClassName() const override { return "TAutoIncField"; }
};

class TLargeintField : public TIntegerField {
public:
    explicit TLargeintField(TComponent* AOwner);
    String ClassName() const override { return "TLargeintField"; }

protected:
    Integer GetDefaultWidth() const override { return 15; }
};
