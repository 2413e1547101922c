// The record and cell loop of the cell-file exporters.
#include "export/TVgExportToCellFile.h"

#include "export/CellLayout.h"
#include "export/ExportErrors.h"
#include "export/LanguageStrings.h"
#include "export/VgEColumns.h"
#include "export/VgEEngine.h"
#include "export/VgEUtils.h"

#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDateTimeField.h"
#include "platform/data/TField.h"
#include "platform/data/TFloatField.h"
#include "platform/data/TIntegerField.h"
#include "platform/graphics/TFont.h"

TVgExportToCellFile::TVgExportToCellFile(TComponent* AOwner) : TVgExportBaseComponent(AOwner) {}

TVgExportToCellFile::~TVgExportToCellFile() = default;

void TVgExportToCellFile::Prepare() {
    FOwnsStream = true;
    const core::ScopeExit owned([this] { FOwnsStream = false; });
    SaveToStream(nullptr);
}

void TVgExportToCellFile::SaveToStream(TStream* Stream) {
    if (Stream == nullptr) {
        Walk();
        return;
    }
    const core::ScopeExit finish([this] {
        FStream = nullptr;
        InternalAfterProcess();
    });
    // The caller hears of the failure; nothing may say the export completed.
    const core::ScopeFail failed([this] { Statistic()->SetResult(erFailed); });
    InternalBeforeProcess();
    FStream = Stream;
    Walk();
}

void TVgExportToCellFile::Walk() {
    if (Engine() == nullptr) return; // only a run (Execute, or SaveToStream with a stream) has an engine
    FCellFont = std::make_unique<TFont>();
    FColumnFonts.clear();
    FColumnFontChanged.assign(static_cast<std::size_t>(Columns()->Count()), 1);
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        FColumnFonts.push_back(std::make_unique<TFont>());
        FColumnFonts.back()->OnChange = [this, i](TObject*) {
            FColumnFontChanged[static_cast<std::size_t>(i)] = 1;
        };
    }
    FValueFields.assign(static_cast<std::size_t>(Columns()->Count()), {nullptr, false});
    const auto fonts = core::ScopeExit([this] {
        FCellFont.reset();
        FColumnFonts.clear();
        FTextLeft = false;
    });
    FFileIndex = 0;
    FRowLimitReached = false;
    // At a format's row limit the rows that fit make a whole file: it is completed and kept.
    const core::ScopeFail close([this] { CloseQuietly(FRowLimitReached); });
    WriteRecords();
    CloseFileStream();
}

void TVgExportToCellFile::WriteRecords() {
    TVgECustomDataEngine* engine = Engine();
    engine->SavePosition();
    const core::ScopeExit back([engine] { engine->RestorePosition(); });
    engine->First();
    FRecordCount = engine->RecordCount();
    if (FRecordCount == 0 && !ExportIfEmpty()) return;
    FTitleRows =
        cellfile::TitleRows(FAddTitle, TitleIsSupported(), Options().Contains(soBlankRowAfterCaptions),
                            Options().Contains(soExportBands) && Bands()->Count() > 0);
    FTitleRowCount = GetTitleRowCount();
    Statistic()->SetTotalCount(Header()->Count() + FTitleRows + FRecordCount + Footer()->Count());
    CreateFileStream(FFileName, 0);
    Statistic()->SetExportStage(esData);
    Integer tabularRow = Statistic()->CurrentRow();
    const String exporting = GetLanguageString(vgeExporting);
    Integer written = 0;
    while (!ProgressCanceled() && !engine->Eof()) {
        if (AnimatedStatus()) UpdateProgressDlg(exporting, written);
        bool accept = true;
        if (OnBeforeRecord) OnBeforeRecord(this, accept);
        if (accept) {
            bool abort = false;
            if (OnProgress) OnProgress(this, written, FRecordCount, abort);
            if (abort) {
                SetProgressCanceled(true);
                break;
            }
            if (RowsPerFile() > 0 && written > 0 && written % RowsPerFile() == 0) {
                ++FFileIndex;
                if (FOwnsStream) CreateFileStream(FFileName, FFileIndex);
            }
            ++written;
            WriteRecord(written - 1, tabularRow);
        }
        engine->Next();
        ++tabularRow;
        bool abort = false;
        if (OnAfterRecord) OnAfterRecord(this, abort);
        if (abort) SetProgressCanceled(true);
    }
}

void TVgExportToCellFile::StopAtRowLimit(const String& Message, Integer Rows) {
    FRowLimitReached = true;
    throw vge::ERowLimit(Message, Rows);
}

void TVgExportToCellFile::CloseQuietly(bool KeepFile) {
    // A file of our own that failed is dropped, so the one it was to replace
    // stays; a caller's stream still gets its end. The first failure is the one
    // reported.
    if (KeepFile || FPendingFile == nullptr) {
        try {
            CloseFileStream();
            return;
        } catch (...) {
        }
    }
    FOpen = false;
    FOutput.clear();
    DropOwnedStream();
}

TFont* TVgExportToCellFile::ColumnFont(Integer ColumnIndex) {
    const auto i = static_cast<std::size_t>(ColumnIndex);
    if (FColumnFontChanged[i]) {
        FColumnFonts[i]->Assign(Columns()->Items(ColumnIndex)->Font());
        FColumnFontChanged[i] = 0;
    }
    return FColumnFonts[i].get();
}

void TVgExportToCellFile::WriteRecord(Integer RecordIndex, Integer& TabularRow) {
    TVgEColumns* columns = Columns();
    const Integer count = columns->Count();
    if (FLayout != elTabularForm) WriteRowStart(false);
    Integer position = 0;
    for (Integer i = 0; i < count; ++i) {
        TVgEColumn* column = columns->Items(i);
        if (!column->Visible()) continue;
        DetermineCell(column, position, i, RecordIndex);
        switch (FLayout) {
        case elColumnar: {
            const Integer row = Statistic()->CurrentRow();
            Engine()->ApplyCellColors(row - FTitleRowCount + 1, position, FAlignment, FFont, FBackground);
            WriteData(FField, FCellType, row, position, FText, FAlignment, FFont, FBackground);
            break;
        }
        case elReversedColumnar:
            WriteData(FField, FCellType, position, Statistic()->CurrentRow(), FText, FAlignment, FFont,
                      FBackground);
            break;
        case elTabularForm: {
            WriteRowStart(false);
            TVgEColumnTitle* title = column->Title();
            const String caption =
                Options().Contains(soUseFieldNameAsCaption) ? column->FieldName() : title->Caption();
            if (FAddTitle) {
                WriteData(nullptr, ctString, TabularRow, 0, caption, title->Alignment(), title->Font(),
                          title->Color());
                if (Options().Contains(soBlankRowAfterCaptions))
                    WriteData(nullptr, ctBlank, TabularRow, 1, String(), title->Alignment(), title->Font(),
                              title->Color());
            }
            WriteData(FField, FCellType, TabularRow, FTitleRows, FText, FAlignment, FFont, FBackground);
            WriteRowEnd(false);
            ++TabularRow;
            break;
        }
        }
        ++position;
    }
    FTextLeft = false;
    if (FLayout != elTabularForm) {
        WriteRowEnd(false);
    } else if (Options().Contains(soBlankRowAfterCaptions) &&
               (TableType() == teText || TableType() == teClipboard)) {
        WriteRowStart(false);
        WriteRowEnd(false);
        ++TabularRow;
    }
}

void TVgExportToCellFile::DetermineCell(TVgEColumn* Column, Integer VisiblePosition, Integer ColumnIndex,
                                        Integer RecordIndex) {
    FBackground = Column->Color();
    FFont = ColumnFont(ColumnIndex);
    FAlignment = Column->Alignment();
    FField = nullptr;
    FTextLeft = false;
    TVgECustomDataEngine* engine = Engine();
    if (Column->ColumnKind() == ckField && engine->IsDataRow(RecordIndex))
        FField = engine->FindFieldByColumn(Column);
    if (FField != nullptr) {
        FTextLeft = LeavesText(FField, ColumnIndex);
        if (FTextLeft)
            FText.clear();
        else
            FText = GetFieldStr(FField);
        FCellType = GetFieldType(FField, BlankIfZero());
    } else if (Column->ColumnKind() == ckConstant) {
        FText = Column->FieldName();
        FCellType = Column->DataType();
    } else if (Column->ColumnKind() == ckSysVar) {
        const Variant value = GetSysValue(Column->FieldName());
        FText = value.IsNull() ? String() : value.AsString();
        FCellType = Column->DataType();
    } else {
        const Variant value = engine->GetFieldValue(Column);
        FText = value.IsNull() ? String() : value.AsString();
        FCellType = GetValueType(engine->DataTypeByColumn(Column), Variant(FText), BlankIfZero());
    }
    AssignStyle(Header()->Count() + FTitleRows + RecordIndex + 1, FBackground);
    if (OnGetCellParams) OnGetCellParams(this, FField, FText, FFont, FAlignment, FBackground, FCellType);
    ApplyCharacterSet(FText);
}

bool TVgExportToCellFile::LeavesText(TField* Field, Integer ColumnIndex) {
    if (!TakesFieldValues() || OnGetCellParams || FCharacterSet != csANSI_WINDOWS ||
        Options().Contains(soFieldMask) || BlankIfZero())
        return false;
    // These classes' text is their value's alone (AsString: no display format, no event).
    auto& known = FValueFields[static_cast<std::size_t>(ColumnIndex)];
    if (known.first != Field)
        known = {Field, dynamic_cast<TIntegerField*>(Field) != nullptr ||
                            dynamic_cast<TFloatField*>(Field) != nullptr ||
                            (dynamic_cast<TDateTimeField*>(Field) != nullptr && Field->DataType() == ftDate)};
    return known.second;
}

void TVgExportToCellFile::ApplyCharacterSet(String& Text) const {
    if (FCharacterSet == csASCII_MSDOS)
        Text = AnsiToOemText(Text);
    else if (FCharacterSet == csEBCDIC)
        Text = AnsiToEbcdicText(Text);
}

void TVgExportToCellFile::FinishTextCell(TField* Field, String& Text, TFont* Font, TAlignment& Alignment,
                                         TColor& Background, TCellType& CellType) {
    if (OnGetCellParams) OnGetCellParams(this, Field, Text, Font, Alignment, Background, CellType);
    ApplyCharacterSet(Text);
}
