#pragma once
// An export over an in-memory case list into a fresh temporary folder, with the
// office's export formats, every message box recorded and answered, and the
// progress window replaced by a recorder that can press Cancel.
#include "tests/export/BiffReader.h"

#include "export/ProgressDialog.h"
#include "export/TVgExportToXLS.h"
#include "export/VgEColumns.h"
#include "platform/core/DateTime.h"
#include "platform/core/FileUtils.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/ui/DialogHook.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TMemDataSet.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace exporttest {

// Texts and values the progress window was given, shared with the test.
struct ProgressLog {
    bool Started = false;
    String Caption;
    Integer Min = -1;
    Integer Max = -1;
    std::vector<String> Texts;
    bool Destroyed = false;
    // Cancelled becomes true once this many updates have been seen (-1: never).
    Integer CancelAfter = -1;
    bool Cancelled = false;
};

class RecordingProgress : public vge::ProgressDialog {
public:
    explicit RecordingProgress(ProgressLog& Log) : FLog(Log) {}
    ~RecordingProgress() override { FLog.Destroyed = true; }
    void Start(const String& Caption, const String&, const String&, Integer Min, Integer Max,
               Integer) override {
        FLog.Started = true;
        FLog.Caption = Caption;
        FLog.Min = Min;
        FLog.Max = Max;
    }
    void Update(const String& Text, Integer) override {
        FLog.Texts.push_back(Text);
        if (FLog.CancelAfter >= 0 && static_cast<Integer>(FLog.Texts.size()) >= FLog.CancelAfter)
            FLog.Cancelled = true;
    }
    Integer Max() const override { return FLog.Max; }
    bool Cancelled() const override { return FLog.Cancelled; }
    void SetCancelled(bool Value) override { FLog.Cancelled = Value; }

private:
    ProgressLog& FLog;
};

class ExportFixture : public ::testing::Test {
protected:
    ExportFixture() {
        FPreviousFactory =
            vge::SetProgressDialogFactory([this] { return std::make_unique<RecordingProgress>(Progress); });
        Data = std::make_unique<TMemDataSet>();
        Data->SetName("Cases");
        Data->FieldDefs()->Add("ev", ftInteger);
        Data->FieldDefs()->Add("nev", ftString, 60);
        Data->FieldDefs()->Add("datum", ftDate);
        Data->FieldDefs()->Add("osszeg", ftFloat);
        Export = std::make_unique<TVgExportToXLS>(nullptr);
        Export->SetColumnSource(csDataSet);
        Export->SetDataSet(Data.get());
        Export->SetFileName(File("cases.xls"));
        UseOfficeFormats();
    }
    ~ExportFixture() override {
        Export.reset();
        Data.reset();
        vge::SetProgressDialogFactory(FPreviousFactory);
    }

    // The data formats the application's exporters carry.
    void UseOfficeFormats() {
        TVgEDataFormats* f = Export->DataFormats();
        f->SetDateOrder(doYMD);
        f->SetDateSeparator(".");
        f->SetTimeSeparator(":");
        f->SetFourDigitYear(true);
        f->SetLeadingZerosInDate(true);
        f->SetThousandSeparator("\u00A0");
        f->SetDecimalSeparator(",");
        f->SetCurrencyString("Ft");
        f->SetUseRegionalSettings(false);
    }

    // Row i: ev 2000 + i, nev "Ügy i", datum 2024-01-i, osszeg i × 1.5.
    void AddCases(int Count) {
        for (int i = 1; i <= Count; ++i)
            Data->AppendRow({Int64(2000 + i), "Ügy " + std::to_string(i),
                             EncodeDate(2024, 1, static_cast<Word>(i % 28 + 1)), i * 1.5});
        Data->Open();
    }

    TVgEColumn* AddColumn(const String& Field, const String& Caption, Integer Width = 8) {
        TVgEColumn* column = Export->Columns()->Add();
        column->SetFieldName(Field);
        column->Title()->SetCaption(Caption);
        column->SetWidth(Width);
        return column;
    }

    std::string File(const std::string& Name) const { return FFolder.File(Name); }
    std::string Written(const std::string& Name = "cases.xls") const { return ReadFileBytes(File(Name)); }
    CellMap Cells(const std::string& Name = "cases.xls") const { return ReadCells(Written(Name)); }

    TempFolder FFolder{"velmora-export"};
    TFormatSettingsGuard FSettings;
    std::unique_ptr<TMemDataSet> Data;
    std::unique_ptr<TVgExportToXLS> Export;
    std::vector<ui::DialogRequest> Dialogs;
    // Per dialog: whether the progress window was still open when it came.
    std::vector<bool> ProgressOpenAtDialog;
    ProgressLog Progress;
    // Answers OK to every dialog, keeping it in Dialogs.
    DialogRecorder Recorder{[this](const ui::DialogRequest& r) {
        Dialogs.push_back(r);
        ProgressOpenAtDialog.push_back(Progress.Started && !Progress.Destroyed);
        return ui::DialogAnswer{1, {}};
    }};

private:
    vge::ProgressDialogFactory FPreviousFactory;
};

} // namespace exporttest
