#pragma once
// The export's published sub-objects: value formats, colour style, e-mail
// settings and the statistics of the last run.
#include "export/ExportTypes.h"
#include "platform/core/TPersistent.h"

// Separators and formats an export puts in force while it runs.
class TVgEDataFormats : public TPersistent {
public:
    String ClassName() const override { return "TVgEDataFormats"; }
    // Copies every property from another object of the class.
    void Assign(TPersistent* Source) override;
    // Filled from the process's settings, with "True"/"False" for booleans.
    TVgEDataFormats();
    // Separators, currency and the date order from the process's settings; the
    // order from the first letters of the short date format's parts (doMDY when
    // they make no known order); four-digit year and leading zeros from "YYYY"
    // and "DD" in it; the custom format cleared.
    void LoadRegionalSettings();
    // CustomDateTimeFormat, else the parts in DateOrder joined by DateSeparator
    // ("YYYY.MM.DD" for the office's settings).
    String GetDateFormat() const;
    // "HH", TimeSeparator, "NN", TimeSeparator, "SS".
    String GetTimeFormat() const;
    String GetDateTimeFormat() const { return GetDateFormat() + " " + GetTimeFormat(); }

    TVgEDateOrder DateOrder() const { return FDateOrder; }
    void SetDateOrder(TVgEDateOrder Value) { FDateOrder = Value; }
    const String& DateSeparator() const { return FDateSeparator; }
    void SetDateSeparator(const String& Value) { FDateSeparator = Value; }
    const String& TimeSeparator() const { return FTimeSeparator; }
    void SetTimeSeparator(const String& Value) { FTimeSeparator = Value; }
    bool FourDigitYear() const { return FFourDigitYear; }
    void SetFourDigitYear(bool Value) { FFourDigitYear = Value; }
    bool LeadingZerosInDate() const { return FLeadingZerosInDate; }
    void SetLeadingZerosInDate(bool Value) { FLeadingZerosInDate = Value; }
    const String& ThousandSeparator() const { return FThousandSeparator; }
    void SetThousandSeparator(const String& Value) { FThousandSeparator = Value; }
    const String& DecimalSeparator() const { return FDecimalSeparator; }
    void SetDecimalSeparator(const String& Value) { FDecimalSeparator = Value; }
    const String& CurrencyString() const { return FCurrencyString; }
    void SetCurrencyString(const String& Value) { FCurrencyString = Value; }
    const String& CustomDateTimeFormat() const { return FCustomDateTimeFormat; }
    void SetCustomDateTimeFormat(const String& Value) { FCustomDateTimeFormat = Value; }
    const String& BooleanTrue() const { return FBooleanTrue; }
    void SetBooleanTrue(const String& Value) { FBooleanTrue = Value; }
    const String& BooleanFalse() const { return FBooleanFalse; }
    void SetBooleanFalse(const String& Value) { FBooleanFalse = Value; }
    bool UseRegionalSettings() const { return FUseRegionalSettings; }
    void SetUseRegionalSettings(bool Value) { FUseRegionalSettings = Value; }

private:
    TVgEDateOrder FDateOrder = doMDY;
    String FDateSeparator;
    String FTimeSeparator;
    bool FFourDigitYear = false;
    bool FLeadingZerosInDate = false;
    String FThousandSeparator;
    String FDecimalSeparator;
    String FCurrencyString;
    String FCustomDateTimeFormat;
    String FBooleanTrue = "True";
    String FBooleanFalse = "False";
    bool FUseRegionalSettings = false;
};

// Odd and even row colours; choosing a Style loads its pair.
class TVgExportStyle : public TPersistent {
public:
    String ClassName() const override { return "TVgExportStyle"; }
    // Copies every property from another object of the class.
    void Assign(TPersistent* Source) override;

    TVgEStyle Style() const { return FStyle; }
    void SetStyle(TVgEStyle Value);
    TColor OddColor() const { return FOddColor; }
    void SetOddColor(TColor Value) { FOddColor = Value; }
    TColor EvenColor() const { return FEvenColor; }
    void SetEvenColor(TColor Value) { FEvenColor = Value; }

private:
    TVgEStyle FStyle = esNormal;
    TColor FOddColor = clWindow;
    TColor FEvenColor = clWindow;
};

// What mailing an exported file sends.
class TVgESendTo : public TPersistent {
public:
    String ClassName() const override { return "TVgESendTo"; }
    // Copies every property from another object of the class.
    void Assign(TPersistent* Source) override;

    const String& EMailRecipient() const { return FEMailRecipient; }
    void SetEMailRecipient(const String& Value) { FEMailRecipient = Value; }
    const String& EMailCC() const { return FEMailCC; }
    void SetEMailCC(const String& Value) { FEMailCC = Value; }
    const String& EMailBCC() const { return FEMailBCC; }
    void SetEMailBCC(const String& Value) { FEMailBCC = Value; }
    const String& EMailSubject() const { return FEMailSubject; }
    void SetEMailSubject(const String& Value) { FEMailSubject = Value; }
    const String& EMailBody() const { return FEMailBody; }
    void SetEMailBody(const String& Value) { FEMailBody = Value; }
    bool EMailOpenBeforeSend() const { return FEMailOpenBeforeSend; }
    void SetEMailOpenBeforeSend(bool Value) { FEMailOpenBeforeSend = Value; }

private:
    String FEMailRecipient;
    String FEMailCC;
    String FEMailBCC;
    String FEMailSubject;
    String FEMailBody;
    bool FEMailOpenBeforeSend = true;
};

// Counters and result of the last run.
class TVgEStatistic : public TPersistent {
public:
    String ClassName() const override { return "TVgEStatistic"; }
    // Copies every property from another object of the class.
    void Assign(TPersistent* Source) override;

    Integer TotalCount() const { return FTotalCount; }
    void SetTotalCount(Integer Value) { FTotalCount = Value; }
    Integer TotalErrors() const { return FTotalErrors; }
    void SetTotalErrors(Integer Value) { FTotalErrors = Value; }
    Integer UpdateStep() const { return FUpdateStep; }
    void SetUpdateStep(Integer Value) { FUpdateStep = Value; }
    TVgEResult Result() const { return FResult; }
    void SetResult(TVgEResult Value) { FResult = Value; }
    Integer CurrentRow() const { return FCurrentRow; }
    void SetCurrentRow(Integer Value) { FCurrentRow = Value; }
    Integer CurrentColumn() const { return FCurrentColumn; }
    void SetCurrentColumn(Integer Value) { FCurrentColumn = Value; }
    Byte ExportStage() const { return FExportStage; }
    void SetExportStage(Byte Value) { FExportStage = Value; }

private:
    Integer FTotalCount = 0;
    Integer FTotalErrors = 0;
    Integer FUpdateStep = 1;
    TVgEResult FResult = erInProgress;
    Integer FCurrentRow = 0;
    Integer FCurrentColumn = 0;
    Byte FExportStage = 0;
};
