#pragma once
// Date and time fields. Values are TDateTime; DisplayFormat is a FormatDateTime
// picture. Without one a date shows in the short date format, a time in the
// long time format, a date and time as both.
#include "platform/data/TField.h"

// A value the dataset could not read as a date comes as its stored text: the
// field shows that text, and reading it as a date raises EConvertError
// "'<text>' is not a valid date".
class TDateTimeField : public TField {
public:
    explicit TDateTimeField(TComponent* AOwner);
    String ClassName() const override { return "TDateTimeField"; }

    const String& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const String& Value) { FDisplayFormat = Value; }

protected:
    Integer GetDefaultWidth() const override { return 18; }
    String GetAsString() const override;
    double GetAsFloat() const override { return GetAsDateTime(); }
    TDateTime GetAsDateTime() const override;
    Variant GetAsVariant() const override;
    void GetText(String& Text, bool DisplayText) const override;
    // Parses with the locale's formats ("" clears) and raises the runtime's
    // conversion error ("'<text>' is not a valid date").
    void SetAsStringValue(const String& Value) override;
    void SetAsFloatValue(double Value) override { SetAsDateTimeValue(Value); }
    void SetAsDateTimeValue(TDateTime Value) override;
    void SetVarValue(const Variant& Value) override;

private:
    String FDisplayFormat;
};

class TDateField : public TDateTimeField {
public:
    explicit TDateField(TComponent* AOwner);
    String ClassName() const override { return "TDateField"; }

protected:
    Integer GetDefaultWidth() const override { return 10; }
};

class TTimeField : public TDateTimeField {
public:
    explicit TTimeField(TComponent* AOwner);
    String ClassName() const override { return "TTimeField"; }

protected:
    Integer GetDefaultWidth() const override { return 10; }
};
