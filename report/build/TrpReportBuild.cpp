// The build driver: one or two passes over every template page, behind the
// progress window, with the errors of a build kept rather than raised.
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/MessageDialogs.h"
#include "report/build/detail/BuildRun.h"
#include "report/build/detail/QuietDataSets.h"
#include "report/views/detail/WrapMemory.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpBuild.h"
#include "report/build/detail/rpBuildHosts.h"
#include "report/common/detail/rpConsts.h"
#include "report/build/rpProgress.h"

#include <memory>

std::function<void(TrpReport* Report, const String& Caption)> rpShowPreview;

namespace report {

namespace {

std::function<ProgressWindow*()> windowFactory;
std::unique_ptr<ProgressWindow> window;

} // namespace

ProgressWindow* rpProgressWindow() {
    if (!window && windowFactory) window.reset(windowFactory());
    return window.get();
}

void rpSetProgressWindowFactory(std::function<ProgressWindow*()> Factory) {
    windowFactory = std::move(Factory);
}

void rpSetProgressWindow(ProgressWindow* Window) {
    window.reset(Window);
}

ProgressWindow* rpWindowFor(TrpReport* Report) {
    return Report->ShowProgress && !Report->OnProgress ? rpProgressWindow() : nullptr;
}

String rpWithTitle(const String& Text, const String& Title) {
    return Title.empty() ? Text : Text + " - " + Title;
}

} // namespace report

namespace {

using report::rpBuild;
using report::rpWindowFor;
using report::rpWithTitle;

} // namespace

void TrpReport::SetDataset(TrpDataset* Value) {
    if (FDataset) FDataset->RemoveFreeNotification(this);
    FDataset = Value;
    if (Value) Value->FreeNotification(this);
}

void TrpReport::SetPreview(TrpPreview* Value) {
    if (FPreview) rpPreviewComponent(FPreview)->RemoveFreeNotification(this);
    FPreview = Value;
    if (Value) rpPreviewComponent(Value)->FreeNotification(this);
}

void TrpReport::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataset) FDataset = nullptr;
    if (Operation == opRemove && FPreview && AComponent == rpPreviewComponent(FPreview)) FPreview = nullptr;
}

void TrpReport::ShowReport() {
    const bool built = PrepareReport();
    if (rpBuild.ErrorFlag) {
        if (!rpBuild.ErrorShown)
            MessageBox(nullptr, rpBuild.ErrorText, rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
        EMFPages()->Clear();
        return;
    }
    (void)built;
    ShowPreparedReport();
}

void TrpReport::ShowPreparedReport() {
    if (EMFPages()->Count() == 0) return;
    CurReport = this;
    MasterReport = this;
    DocMode = dmPrinting;
    if (FPreview && !ComponentState().Contains(csDesigning))
        rpConnectPreview(FPreview, this);
    else if (rpShowPreview)
        rpShowPreview(this, rpWithTitle(rpLoadStr(rpsPreview), Title));
}

bool TrpReport::PrepareReport() {
    report::BuildRun run(this);
    rpBuild.BuildDate = Date();
    rpBuild.BuildTime = Time();
    rpBuild.ErrorFlag = false;
    rpBuild.ErrorShown = false;
    rpBuild.ErrorText.clear();
    report::QuietDataSets quiet;
    core::ScopeExit speak([&quiet] { quiet.Release(); });
    if (OnBeginDoc) OnBeginDoc();
    const bool result = DoPrepareReport(run);
    FinalPass = false;
    if (OnEndDoc) OnEndDoc();
    return result;
}

bool TrpReport::DoPrepareReport(report::BuildRun& Run) {
    Terminated = false;
    FCancelled = false;
    rpBuild.AppendPage = false;
    PageNo = 0;
    EMFPages()->Clear();
    // Only a counting pass knows the total; every other build starts from none.
    if (!DoublePass) rpBuild.TotalPages = 0;
    report::ProgressWindow* w = rpWindowFor(this);
    if (w) {
        w->SetCaption(rpWithTitle(rpLoadStr(rpsPreparing), Title));
        w->FirstCaption = rpLoadStr(DoublePass ? rpsFirstPass : rpsProcessing);
        w->SetLabel(w->FirstCaption + "  1");
        if (!w->ShowModal(this, [this, w, &Run] { BuildAction(w, Run); })) FCancelled = true;
    } else {
        BuildAction(nullptr, Run);
    }
    // A calculation error stops the build too, but it is no cancel. A cancelled
    // build keeps the pages made so far: the user sees the report up to there.
    const bool cancelled = FCancelled || (Terminated && !rpBuild.ErrorFlag);
    if (rpBuild.ErrorFlag) EMFPages()->Clear();
    Terminated = false;
    return !cancelled;
}

void TrpReport::BuildAction(report::ProgressWindow* w, report::BuildRun& Run) {
    // A paragraph laid out again, in the final pass or on a later record, takes the lines it had.
    report::WrapHold wraps;
    try {
        if (DoublePass) {
            // The final pass measures again every text the counting pass measured.
            graphics::TextWidthHold widths;
            FinalPass = false;
            {
                Run.SetCounting(true);
                core::ScopeExit counted([&Run] { Run.SetCounting(false); });
                DoBuildReport();
            }
            // A cancel ends the counting pass only: the pages counted so far are
            // the total, and the final pass draws every page. The cancel is spent
            // here, so the final pass stops only at a cancel of its own. A
            // calculation error ends the build.
            rpBuild.TotalPages = EMFPages()->Count();
            if (!rpBuild.ErrorFlag) {
                const bool cut = Terminated;
                Terminated = false;
                FinalPass = true;
                wraps.Replay();
                PageNo = 0;
                rpBuild.AppendPage = false;
                EMFPages()->Clear();
                if (w) {
                    w->FirstCaption = rpLoadStr(rpsProcessing);
                    w->SetLabel(w->FirstCaption + "  1");
                }
                // Progress shows the total beside the page only when it was counted whole.
                DoublePass = !cut;
                core::ScopeExit again([this] { DoublePass = true; });
                DoBuildReport();
            }
        } else {
            FinalPass = true;
            DoBuildReport();
        }
    } catch (const Exception& e) {
        rpBuild.ErrorFlag = true;
        rpBuild.ErrorText = e.Message();
        EMFPages()->Clear();
        if (w) w->CloseModal(true);
        rpBuild.ErrorShown = true;
        MessageBox(nullptr, e.Message(), rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
        return;
    }
    if (w) w->CloseModal(Terminated);
}

void TrpReport::InternalOnProgress(Integer n) {
    if (OnProgress) {
        OnProgress(n);
        return;
    }
    if (!ShowProgress) return;
    report::ProgressWindow* w = report::rpProgressWindow();
    if (!w) return;
    String text = w->FirstCaption + "  " + std::to_string(n);
    TrpReport* master = MasterReport ? MasterReport : this;
    if ((master->FinalPass && master->DoublePass) || master->FExporting)
        text += " " + rpLoadStr(rpsFrom) + " " + std::to_string(rpBuild.TotalPages);
    w->SetLabel(text);
    w->ProcessMessages();
}

void TrpReport::DoBuildReport() {
    rpBuild.HookList.clear();
    CanRebuild = true;
    report::BuildScope scope(this);
    TrpReport* master = MasterReport ? MasterReport : this;

    const bool multiple = FDataset && ReportType == rtMultiple;
    TrpPages* pages = Pages();
    core::ScopeExit done([&] {
        for (Integer i = 0; i < pages->Count(); ++i)
            pages->Pages(i)->DoneReport();
        if (multiple) FDataset->Exit();
    });
    if (multiple) {
        FDataset->Init();
        FDataset->First();
    }
    for (Integer i = 0; i < pages->Count(); ++i)
        pages->Pages(i)->Skip = false;
    for (Integer i = 0; i < pages->Count(); ++i) {
        CurPage = pages->Pages(i);
        pages->Pages(i)->InitReport();
    }
    scope.Lookup().PrepareDataSets();
    for (Integer i = 0; i < pages->Count(); ++i) {
        CurPage = pages->Pages(i);
        pages->Pages(i)->PrepareObjects();
    }

    do {
        InternalOnProgress(PageNo + 1);
        for (Integer i = 0; i < pages->Count(); ++i) {
            TrpPage* page = pages->Pages(i);
            if (page->Skip) continue;
            CurPage = page;
            page->Mode = 0;
            if (OnManualBuild)
                OnManualBuild(page);
            else
                page->FormPage();
            rpBuild.AppendPage = false;
            const bool last = i == pages->Count() - 1;
            if ((last && FContinueOnSheet && (!multiple || FDataset->Eof())) ||
                (!last && pages->Pages(i + 1)->PrintToPrevPage)) {
                rpBuild.AppendPage = true;
                --PageNo;
            } else {
                PageNo = master->EMFPages()->Count();
                InternalOnProgress(PageNo);
            }
            if (master->Terminated) break;
        }
        InternalOnProgress(PageNo);
        if (multiple) FDataset->Next();
    } while (!master->Terminated && multiple && !FDataset->Eof());
}

void TrpCompositeReport::DoBuildReport() {
    CanRebuild = true;
    PageNo = 0;
    for (std::size_t k = 0; k < Reports.size(); ++k) {
        TrpReport* r = Reports[k];
        r->FContinueOnSheet = k + 1 < Reports.size() && Reports[k + 1]->Pages()->Count() > 0 &&
                              Reports[k + 1]->Pages()->Pages(0)->PrintToPrevPage;
        if (r->OnBeginDoc) r->OnBeginDoc();
        r->DoBuildReport();
        if (FinalPass && r->OnEndDoc) r->OnEndDoc();
        rpBuild.AppendPage = r->FContinueOnSheet;
        r->FContinueOnSheet = false;
        if (Terminated) break;
    }
    CurReport = this;
}

void TrpReport::GetCategoryList(TStrings* List) {
    List->Clear();
    for (Integer k = 0; k < Variables()->Count(); ++k) {
        const String line = Variables()->Get(k);
        if (!line.empty() && line[0] != ' ') List->Add(line);
    }
}

void TrpReport::GetVarList(Integer CatNo, TStrings* List) {
    List->Clear();
    TStringList* v = Variables();
    Integer category = -1;
    Integer k = 0;
    for (; k < v->Count(); ++k) {
        const String line = v->Get(k);
        if (!line.empty() && line[0] != ' ' && ++category == CatNo) break;
    }
    if (k >= v->Count()) throw EListError("List index out of bounds (" + std::to_string(CatNo) + ")");
    for (++k; k < v->Count(); ++k) {
        const String line = v->Get(k);
        if (line.empty() || line[0] != ' ') break;
        List->Add(line.substr(1));
    }
}

Integer TrpReport::FindVariable(const String& Name) {
    TStringList* v = Variables();
    for (Integer k = 0; k < v->Count(); ++k)
        if (v->Get(k) == " " + Name) return k;
    return -1;
}

void TrpReport::SetVars(TStrings* List) {
    Variables()->Assign(List);
}
