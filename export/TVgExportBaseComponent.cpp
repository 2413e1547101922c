// Execute and its before and after processing. After processing undoes exactly
// what before processing did, so a run that failed half-way leaves formats,
// cursor, the source's controls and the engine as they were.
#include "export/TVgExportBaseComponent.h"

#include "export/ExportErrors.h"
#include "export/LanguageStrings.h"
#include "export/ProgressDialog.h"
#include "export/VgEColumns.h"
#include "export/VgEEngGrids.h"

#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/os/Process.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/ShellApi.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomDBGrid.h"
#include "platform/ui/TScreen.h"

#include <algorithm>

namespace {

String MessageCaption() {
    return Application != nullptr ? Application->Title() : String();
}

} // namespace

TVgExportBaseComponent::TVgExportBaseComponent(TComponent* AOwner)
    : TVgECustomBaseComponent(AOwner), FColumns(std::make_unique<TVgEColumns>(this)),
      FBands(std::make_unique<TVgEColumnBands>(this)) {
    FFileName = ExtractFilePath(ParamStr(0)) + "VgExport" + Extension();
}

TVgExportBaseComponent::~TVgExportBaseComponent() {
    SetDBGrid(nullptr);
    SetDataSet(nullptr);
    SetDataEngine(nullptr);
}

void TVgExportBaseComponent::Assign(TPersistent* Source) {
    TVgECustomBaseComponent::Assign(Source);
    auto* source = dynamic_cast<TVgExportBaseComponent*>(Source);
    if (source == nullptr) return;
    FColumns->Assign(source->FColumns.get());
    FBands->Assign(source->FBands.get());
    SetDBGrid(source->FDBGrid);
    SetDataSet(source->FDataSet);
    SetDataEngine(source->FDataEngine);
    FColumnSource = source->FColumnSource;
    FSpecificationDir = source->FSpecificationDir;
    OnGetNextSelected = source->OnGetNextSelected;
    OnGetSelectedCount = source->OnGetSelectedCount;
}

void TVgExportBaseComponent::SetColumns(TVgEColumns* Value) {
    FColumns->Assign(Value);
}
void TVgExportBaseComponent::SetBands(TVgEColumnBands* Value) {
    FBands->Assign(Value);
}

void TVgExportBaseComponent::SetDBGrid(TCustomControl* Value) {
    if (Value != nullptr && !GridDataEngineKnows(Value))
        throw Exception(Format(GetLanguageString(vgeUnsupportedGrid), {Value->Name()}));
    if (FDBGrid == Value) return;
    if (FDBGrid != nullptr) FDBGrid->RemoveFreeNotification(this);
    FDBGrid = Value;
    if (FDBGrid != nullptr) FDBGrid->FreeNotification(this);
}

void TVgExportBaseComponent::SetDataSet(TDataSet* Value) {
    if (FDataSet == Value) return;
    if (FDataSet != nullptr) FDataSet->RemoveFreeNotification(this);
    FDataSet = Value;
    if (FDataSet != nullptr) FDataSet->FreeNotification(this);
}

void TVgExportBaseComponent::SetDataEngine(TVgECustomDataEngine* Value) {
    if (FDataEngine == Value) return;
    if (FDataEngine != nullptr) FDataEngine->RemoveFreeNotification(this);
    FDataEngine = Value;
    if (FDataEngine != nullptr) FDataEngine->FreeNotification(this);
}

void TVgExportBaseComponent::Notification(TComponent* AComponent, TOperation Operation) {
    TVgECustomBaseComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FDBGrid) FDBGrid = nullptr;
    if (AComponent == FDataSet) FDataSet = nullptr;
    if (AComponent == FDataEngine) FDataEngine = nullptr;
    if (AComponent == FEngine) {
        FEngine = nullptr;
        FOwnsEngine = false;
    }
}

void TVgExportBaseComponent::Execute() {
    try {
        InternalBeforeProcess();
        Prepare();
    } catch (const vge::ERowLimit& e) {
        ReportFailure(e.what(), vge::RowLimitMessage(FFileName, e.Rows()));
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    } catch (...) {
        ReportFailure("Unknown exception");
    }
    try {
        InternalAfterProcess();
    } catch (const std::exception& e) {
        // After processing has restored everything it took; what failed is an
        // event handler or the after-export action.
        ReportFailure(e.what());
    } catch (...) {
        ReportFailure("Unknown exception");
    }
}

void TVgExportBaseComponent::ReportFailure(const String& Message, const String& UserText) {
    Statistic()->SetResult(erFailed);
    // The progress window stays on top: left open it would hide the message and
    // the program would look hung.
    DestroyProgressDlg();
    if (Options().Contains(soShowMessage))
        MessageBox(nullptr, UserText.empty() ? GetLanguageString(vgeExportError) + ": " + Message : UserText,
                   MessageCaption(), MB_OK | MB_ICONINFORMATION);
}

void TVgExportBaseComponent::ShowInformation(const String& Message) {
    MessageBox(nullptr, Message, MessageCaption(), MB_OK | MB_ICONINFORMATION);
}

void TVgExportBaseComponent::CreateSourceDataEngine() {
    switch (FColumnSource) {
    case csDBGrid: {
        if (FDBGrid == nullptr) throw Exception(Format(GetLanguageString(vgeNotSpecified), {"DBGrid"}));
        FEngine = CreateGridDataEngine(this, FDBGrid);
        FOwnsEngine = true;
        break;
    }
    case csDataSet: {
        if (FDataSet == nullptr) throw Exception(Format(GetLanguageString(vgeNotSpecified), {"Dataset"}));
        auto* engine = new TVgEDatasetDataEngine(this);
        engine->SetDataset(FDataSet);
        FEngine = engine;
        FOwnsEngine = true;
        break;
    }
    case csDataEngine:
        if (FDataEngine == nullptr)
            throw Exception(Format(GetLanguageString(vgeNotSpecified), {"DataEngine"}));
        FEngine = FDataEngine;
        FOwnsEngine = false;
        break;
    }
    FEngine->SetSelectedRecord(SelectedRecord());
}

void TVgExportBaseComponent::DestroySourceDataEngine() {
    TVgECustomDataEngine* engine = FEngine;
    const bool owned = FOwnsEngine;
    FEngine = nullptr;
    FOwnsEngine = false;
    if (owned) delete engine;
}

void TVgExportBaseComponent::SwapFormats() {
    FSavedFormats = SavedFormats{FormatSettings.DecimalSeparator, FormatSettings.DateSeparator,
                                 FormatSettings.TimeSeparator, FormatSettings.ThousandSeparator,
                                 FormatSettings.CurrencyString};
    FormatSettings.DecimalSeparator = DataFormats()->DecimalSeparator();
    FormatSettings.DateSeparator = DataFormats()->DateSeparator();
    FormatSettings.TimeSeparator = DataFormats()->TimeSeparator();
    FormatSettings.ThousandSeparator = DataFormats()->ThousandSeparator();
    FormatSettings.CurrencyString = DataFormats()->CurrencyString();
}

void TVgExportBaseComponent::RestoreFormats() {
    if (!FSavedFormats) return;
    FormatSettings.DecimalSeparator = FSavedFormats->DecimalSeparator;
    FormatSettings.DateSeparator = FSavedFormats->DateSeparator;
    FormatSettings.TimeSeparator = FSavedFormats->TimeSeparator;
    FormatSettings.ThousandSeparator = FSavedFormats->ThousandSeparator;
    FormatSettings.CurrencyString = FSavedFormats->CurrencyString;
    FSavedFormats.reset();
}

void TVgExportBaseComponent::InternalBeforeProcess() {
    Statistic()->SetResult(erInProgress);
    Statistic()->SetCurrentRow(0);
    Statistic()->SetCurrentColumn(0);
    FFileWritten = false;
    if (OnBeforeExecute) OnBeforeExecute(this);
    CreateSourceDataEngine();
    FRecordCount = FEngine->RecordCount();
    if (DataFormats()->UseRegionalSettings()) DataFormats()->LoadRegionalSettings();
    SwapFormats();
    if (Options().Contains(soDisableControls)) {
        FEngine->DisableControls();
        FControlsDisabled = true;
    }
    if (Options().Contains(soWaitCursor) && Screen != nullptr) {
        Screen->SetCursor(crHourGlass);
        FCursorSet = true;
    }
    FCancelled = false;
    if (AnimatedStatus())
        CreateProgressDlg(KeyGenerator(), GetLanguageString(vgeExporting), GetLanguageString(vgeCancelButton),
                          0, std::max(FRecordCount, 0), 0);
    if (FColumns->Count() == 0) {
        FColumnsFilled = true;
        FEngine->FillColumns(FColumns.get(), FBands.get(), RightToLeft());
    }
    Statistic()->SetTotalCount(0);
    FVisibleCount = FColumns->VisibleCount();
    if (ExtractFileExt(FFileName).empty()) FFileName += GetDefExt(TableType());
}

void TVgExportBaseComponent::InternalAfterProcess() {
    {
        // The restoring steps run whatever an event handler or the action raises.
        const core::ScopeExit restore([this] { RestoreRun(); });
        FinishRun();
    }
    if (OnAfterExecute) OnAfterExecute(this);
}

void TVgExportBaseComponent::FinishRun() {
    if (FColumnsFilled) {
        FColumns->Clear();
        FBands->Clear();
        FColumnsFilled = false;
    }
    String message;
    if (Statistic()->Result() != erFailed) {
        if (ProgressCanceled()) {
            message = GetLanguageString(vgeCanceledByUser);
            Statistic()->SetResult(erCanceled);
        } else {
            Statistic()->SetResult(erCompleted);
            // Only a run that wrote a file says it generated one.
            message = FFileWritten ? Format(GetLanguageString(vgeFileGenerated), {FFileName})
                                   : GetLanguageString(vgeExportCompleted);
        }
    }
    if (OnProgress) {
        bool abort = false;
        OnProgress(this, FRecordCount, FRecordCount, abort);
    }
    if (AnimatedStatus()) {
        UpdateProgressDlg(message, FRecordCount);
        DestroyProgressDlg();
    }
    if (Options().Contains(soShowMessage) && !message.empty() && !AnimatedStatus()) ShowInformation(message);
    if (Statistic()->Result() != erFailed && FFileWritten) AfterExport();
}

void TVgExportBaseComponent::RestoreRun() {
    DestroyProgressDlg();
    RestoreFormats();
    if (FCursorSet && Screen != nullptr) Screen->SetCursor(crDefault);
    FCursorSet = false;
    if (FControlsDisabled && FEngine != nullptr) FEngine->EnableControls();
    FControlsDisabled = false;
    DestroySourceDataEngine();
}

void TVgExportBaseComponent::AfterExport() {
    switch (FActionAfterExport) {
    case aeOpenView:
        ShellExecute("open", FFileName, "", "", SW_SHOWNORMAL);
        break;
    case aeEMail:
        SendMail(FFileName);
        break;
    case aeNone:
        break;
    }
}

Integer TVgExportBaseComponent::SendMail(const String& FileName) {
    // The desktop's mail helper stands in for the system's simple-messaging call.
    std::vector<String> arguments;
    if (!SendTo()->EMailSubject().empty())
        arguments.insert(arguments.end(), {"--subject", SendTo()->EMailSubject()});
    if (!SendTo()->EMailBody().empty()) arguments.insert(arguments.end(), {"--body", SendTo()->EMailBody()});
    if (!SendTo()->EMailCC().empty()) arguments.insert(arguments.end(), {"--cc", SendTo()->EMailCC()});
    if (!SendTo()->EMailBCC().empty()) arguments.insert(arguments.end(), {"--bcc", SendTo()->EMailBCC()});
    arguments.insert(arguments.end(), {"--attach", FileName});
    if (!SendTo()->EMailRecipient().empty()) arguments.push_back(SendTo()->EMailRecipient());
    Integer result = -1;
    if (const TProcessHandle process = CreateProcess("xdg-email", arguments, ""); process != 0) {
        Cardinal code = 0;
        // A helper that keeps running has handed the message to the mail program.
        result = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(process, code)
                     ? static_cast<Integer>(code)
                     : 0;
        CloseHandle(process);
    }
    if (result != 0 && Options().Contains(soShowMessage))
        MessageBox(nullptr, "Error sending mail (" + IntToStr(result) + ")", MessageCaption(),
                   MB_OK | MB_ICONERROR);
    return result;
}

void TVgExportBaseComponent::BuildDefaultColumns() {
    CreateSourceDataEngine();
    auto done = core::ScopeExit([this] { DestroySourceDataEngine(); });
    FEngine->FillColumns(FColumns.get(), FBands.get(), RightToLeft());
}

TCellType TVgExportBaseComponent::GetFieldType(TField* Field, bool BlankIfZero) {
    if (Field == nullptr) return ctString;
    const TFieldType type = Field->DataType();
    // The value is read only where the blank-if-zero rule looks at it.
    return BlankIfZero && IsZeroBlankable(type) ? GetValueType(type, Field->Value(), true) : CellTypeOf(type);
}

TBookmark TVgExportBaseComponent::GetNextSelected(Integer Index) {
    TBookmark selected;
    if (OnGetNextSelected)
        OnGetNextSelected(this, Index, selected);
    else if (auto* grid = dynamic_cast<TCustomDBGrid*>(FDBGrid);
             grid != nullptr && Index >= 0 && Index < grid->SelectedRows()->Count())
        selected = grid->SelectedRows()->Items(Index);
    return selected;
}

Integer TVgExportBaseComponent::GetSelectedCount() {
    Integer count = 0;
    if (OnGetSelectedCount)
        OnGetSelectedCount(this, count);
    else if (auto* grid = dynamic_cast<TCustomDBGrid*>(FDBGrid))
        count = grid->SelectedRows()->Count();
    return count;
}

bool TVgExportBaseComponent::IsMemoColumnExist() const {
    for (Integer i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Visible() && FColumns->Items(i)->DataType() == ctMEMO) return true;
    return false;
}

void TVgExportBaseComponent::CreateProgressDlg(const String& Caption, const String& Status,
                                               const String& ButtonCaption, Integer Min, Integer Max,
                                               Integer Position) {
    DestroyProgressDlg();
    try {
        FProgress = vge::CreateProgressDialog();
        FProgress->Start(Caption, Status, ButtonCaption, Min, Max, Position);
    } catch (const std::exception&) {
        FProgress.reset();
        // Taken straight from the table: the hook is not asked here.
        MessageBox(nullptr, VgELanguageText(vgeNoProcessDialog), MessageCaption(), MB_OK | MB_ICONERROR);
    }
}

bool TVgExportBaseComponent::UpdateProgressDlg(const String& Text, Integer Value) {
    const Integer step = Statistic()->UpdateStep();
    if (step > 0 && Value % step != 0) return true;
    if (!FProgress) return false;
    if (!FProgress->Due(Value)) return true;
    FProgress->Update(Text + " (" + IntToStr(Value) + "/" + IntToStr(FProgress->Max()) + ")", Value);
    return true;
}

bool TVgExportBaseComponent::DestroyProgressDlg() {
    if (!FProgress) return false;
    // The dialog's flag outlives it, so a cancel seen at the end still counts.
    FCancelled = FProgress->Cancelled();
    try {
        FProgress.reset();
    } catch (...) {
        return false;
    }
    return true;
}

bool TVgExportBaseComponent::ProgressCanceled() const {
    return FProgress ? FProgress->Cancelled() : FCancelled;
}

void TVgExportBaseComponent::SetProgressCanceled(bool Value) {
    if (FProgress)
        FProgress->SetCancelled(Value);
    else
        FCancelled = Value;
}
